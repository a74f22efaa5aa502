#include "exchange/exchange_import.h"

#include <algorithm>

#include "exchange/exchange_version.h"
#include "exchange/insitu_test_records.h"
#include "exchange/layer_records.h"
#include "exchange/lugeon_records.h"
#include "exchange/penetration_records.h"
#include "exchange/progress_records.h"
#include "exchange/record_line.h"
#include "exchange/sample_records.h"
#include "exchange/title_records.h"
#include "exchange/water_level_records.h"
#include "exchange/xml_encoding.h"
#include "exchange/xml_tree.h"
#include "run/run_error.h"
#include "text/codepage.h"
#include "text/utf8.h"

namespace bc {
namespace {

constexpr std::string_view kRootName = "ボーリング情報";

bool IsAsciiBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::string_view SkipBlanks(std::string_view bytes) {
  while (!bytes.empty() && IsAsciiBlank(bytes.front())) bytes.remove_prefix(1);
  return bytes;
}

// The first bytes of a UTF-16 file as UTF-8, enough to see how it starts.
std::string Utf16Head(std::string_view bytes, bool little_endian) {
  std::u16string text;
  for (std::size_t i = 0; i + 1 < bytes.size() && text.size() < 64; i += 2) {
    unsigned lo = static_cast<unsigned char>(bytes[i + (little_endian ? 0 : 1)]);
    unsigned hi = static_cast<unsigned char>(bytes[i + (little_endian ? 1 : 0)]);
    text.push_back(static_cast<char16_t>(hi << 8 | lo));
  }
  return ToUtf8(text);
}

void CheckSize(std::string_view bytes) {
  if (bytes.size() > kMaxExchangeXmlBytes) {
    throw RunError(u"XML ファイルが大きすぎます（64 MiB まで）。");
  }
  if (SkipBlanks(bytes).empty()) throw RunError(u"XML ファイルが空です。");
}

std::string Encode(const RecordLines& lines) {
  std::string bytes;
  for (const std::u16string& line : lines) {
    bytes += EncodeAnsi(line);
    bytes += "\r\n";
  }
  return bytes;
}

}  // namespace

bool LooksLikeExchangeXml(std::string_view bytes) {
  std::string head;
  if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF")) {
    head = Utf16Head(bytes.substr(2), bytes[0] == '\xFF');
    bytes = head;
  } else if (bytes.starts_with("\xEF\xBB\xBF")) {
    bytes.remove_prefix(3);
  }
  bytes = SkipBlanks(bytes);
  static const std::string kRootSjis = EncodeAnsi(u"<ボーリング情報");
  static const std::string kDoctypeSjis = EncodeAnsi(u"<!DOCTYPE ボーリング情報");
  return bytes.starts_with("<?xml") || bytes.starts_with("<ボーリング情報") ||
         bytes.starts_with("<!DOCTYPE ボーリング情報") || bytes.starts_with(kRootSjis) ||
         bytes.starts_with(kDoctypeSjis);
}

std::string ImportExchangeXml(std::string_view bytes) {
  CheckSize(bytes);
  std::optional<std::string> utf8 = DecodeXmlBytes(bytes);
  if (!utf8) {
    throw RunError(
        u"XML ファイルの文字コードを判別できません（UTF-8、UTF-16、シフト JIS、EUC-JP "
        u"のどれでも読めません）。");
  }
  std::string head = utf8->substr(0, 16384);
  XmlTree tree(std::move(*utf8));
  if (tree.root().name != kRootName) {
    throw RunError(u"ボーリング交換用データの XML ではありません（ルート要素が " +
                   FromUtf8(tree.root().name) + u" で、ボーリング情報 ではありません）。");
  }
  std::u16string version = ExchangeVersion(tree, head);
  if (!IsKnownVersion(version)) {
    throw RunError(u"ボーリング交換用データの版 " + version +
                   u" には対応していません（対応している版: 2.x、3.00、4.00）。");
  }

  RecordLines lines = {u"QVN BED" + version};
  AppendTitleRecords(tree, &lines);
  AppendLayerRecords(tree, &lines);
  AppendWaterLevelRecords(tree, &lines);
  AppendInsituTestRecords(tree, &lines);
  AppendSampleRecords(tree, &lines);
  AppendPenetrationRecords(tree, &lines);
  AppendLugeonRecords(tree, &lines);
  AppendProgressRecords(tree, &lines);
  // The end mark lets the conversion pass every section, so every output
  // file is written and none of an earlier conversion stays behind.
  lines.push_back(u"9000");
  return Encode(lines);
}

}  // namespace bc

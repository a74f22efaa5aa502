#include "batch/batch_plan.h"

#include <algorithm>
#include <set>
#include <system_error>

#include "conversion/conversion.h"
#include "environment/environment.h"
#include "environment/safe_path.h"
#include "exchange/exchange_import.h"
#include "run/file_system.h"
#include "run/record.h"
#include "run/run_error.h"
#include "text/ascii_case.h"
#include "text/codepage.h"
#include "text/source_encoding.h"
#include "text/utf8.h"

namespace bc {
namespace {

constexpr std::size_t kHeadSize = 8192;

std::u16string DecodeUtf16(std::string_view bytes, bool big_endian) {
  std::u16string text;
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
    auto high = static_cast<unsigned char>(bytes[big_endian ? i : i + 1]);
    auto low = static_cast<unsigned char>(bytes[big_endian ? i + 1 : i]);
    text.push_back(static_cast<char16_t>(high << 8 | low));
  }
  return text;
}

// The head as text, in the encoding its byte-order mark names, else
// Shift_JIS.
std::u16string HeadText(std::string_view head) {
  if (head.starts_with("\xEF\xBB\xBF")) return FromUtf8(head.substr(3));
  if (head.starts_with("\xFF\xFE")) return DecodeUtf16(head.substr(2), false);
  if (head.starts_with("\xFE\xFF")) return DecodeUtf16(head.substr(2), true);
  return DecodeAnsi(head);
}

bool NamesExchangeRoot(std::string_view head) {
  static const std::u16string kRoot = u"ボーリング情報";
  return HeadText(head).find(kRoot) != std::u16string::npos ||
         DecodeUtf16(head, false).find(kRoot) != std::u16string::npos ||
         FromUtf8(head).find(kRoot) != std::u16string::npos;
}

class Planner {
 public:
  Planner(std::u16string_view root, const FileClassifier& classify)
      : folder_(WithTrailingBackslash(std::u16string(root))), classify_(classify) {}

  void AddSource(const std::filesystem::path& source);
  BatchPlan Take() { return std::move(plan_); }

 private:
  void Walk(const std::filesystem::path& folder);
  void AddWalked(const std::filesystem::directory_entry& entry);
  void AddBoring(const std::filesystem::path& file, std::u16string problem);

  std::u16string folder_;
  const FileClassifier& classify_;
  std::set<std::u16string> used_;  // folder names in capitals, as Windows compares them
  BatchPlan plan_;
};

void Planner::AddSource(const std::filesystem::path& source) {
  std::error_code ec;
  if (std::filesystem::is_directory(source, ec)) return Walk(source);
  FileError why = FileError::kNone;
  if (classify_(source, &why) != FileKind::kUnreadable) return AddBoring(source, u"");
  AddBoring(source, SourceOpenMessage(FromHostPath(std::filesystem::absolute(source, ec)), why));
}

// Every entry below folder in name order, depth first.
void Planner::Walk(const std::filesystem::path& folder) {
  std::error_code ec;
  std::vector<std::filesystem::directory_entry> entries;
  std::filesystem::directory_iterator it(folder, ec);
  for (std::filesystem::directory_iterator end; !ec && it != end; it.increment(ec)) {
    entries.push_back(*it);
  }
  if (ec) {
    plan_.items.push_back({folder, u"",
                           u"フォルダを読めません（" +
                               FileErrorText(FileErrorOf(ec), FileAccess::kRead) + u"）: " +
                               FromHostPath(folder)});
  }
  std::sort(entries.begin(), entries.end(),
            [](const auto& a, const auto& b) { return a.path().filename() < b.path().filename(); });
  for (const std::filesystem::directory_entry& entry : entries) AddWalked(entry);
}

void Planner::AddWalked(const std::filesystem::directory_entry& entry) {
  std::error_code ec;
  const std::filesystem::path& path = entry.path();
  if (entry.is_symlink(ec)) return plan_.skipped.push_back({path, PassedOver::kLink});
  if (entry.is_directory(ec)) return Walk(path);
  if (!entry.is_regular_file(ec)) return plan_.skipped.push_back({path, PassedOver::kNotPlainFile});
  FileError why = FileError::kNone;
  switch (classify_(path, &why)) {
    case FileKind::kRecord:
    case FileKind::kExchangeXml:
      return AddBoring(path, u"");
    case FileKind::kOtherXml:
      return plan_.skipped.push_back({path, PassedOver::kOtherXml});
    case FileKind::kOther:
      return plan_.skipped.push_back({path, PassedOver::kNotBoring});
    case FileKind::kUnreadable:
      break;
  }
  AddBoring(path, CannotOpenMessage(FromHostPath(path), why));
}

void Planner::AddBoring(const std::filesystem::path& file, std::u16string problem) {
  std::u16string stem = SafeFolderName(FromHostPath(file.stem()));
  std::u16string name = stem;
  for (int n = 2; !used_.insert(AsciiUpper(name)).second; ++n) {
    // A name made of "_" alone numbers on as "_2", "_3".
    name = stem + (stem == u"_" ? u"" : u"_") + FromHostPath(std::to_string(n));
  }
  plan_.items.push_back({file, folder_ + name, std::move(problem)});
}

}  // namespace

bool HasSourceTag(std::string_view head) { return IsSourceTagLine(SourceFirstLine(head)); }

FileKind ClassifyFile(const std::filesystem::path& file, FileError* why) {
  std::string head;
  if (FileSystem::Default().ReadHead(file, kHeadSize, &head) != ReadStatus::kOk) {
    *why = LastFileError();
    return FileKind::kUnreadable;
  }
  if (HasSourceTag(head)) return FileKind::kRecord;
  if (!LooksLikeExchangeXml(head)) return FileKind::kOther;
  return NamesExchangeRoot(head) ? FileKind::kExchangeXml : FileKind::kOtherXml;
}

std::u16string PassedOverText(PassedOver why) {
  switch (why) {
    case PassedOver::kNotBoring:
      return u"ボーリングの記録ファイルではありません";
    case PassedOver::kOtherXml:
      return u"ボーリング交換用 XML ではありません";
    case PassedOver::kLink:
      return u"シンボリックリンクはたどりません";
    case PassedOver::kNotPlainFile:
      break;
  }
  return u"通常のファイルではありません";
}

BatchPlan PlanBatch(const std::vector<std::filesystem::path>& sources, std::u16string_view root,
                    const FileClassifier& classify) {
  Planner planner(root, classify);
  for (const std::filesystem::path& source : sources) planner.AddSource(source);
  return planner.Take();
}

}  // namespace bc

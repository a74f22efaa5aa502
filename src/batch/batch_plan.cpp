#include "batch/batch_plan.h"

#include <algorithm>
#include <fstream>
#include <set>
#include <system_error>

#include "environment/environment.h"
#include "exchange/exchange_import.h"
#include "run/record.h"
#include "text/ascii_case.h"
#include "text/codepage.h"
#include "text/source_encoding.h"
#include "text/utf8.h"

namespace bc {
namespace {

// Every file below folder that filter takes, in name order, depth first.
void CollectFolder(const std::filesystem::path& folder, const SourceFilter& filter,
                   std::vector<std::filesystem::path>& files) {
  std::error_code ec;
  std::vector<std::filesystem::directory_entry> entries;
  for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end;
       it.increment(ec)) {
    entries.push_back(*it);
  }
  std::sort(entries.begin(), entries.end(),
            [](const auto& a, const auto& b) { return a.path().filename() < b.path().filename(); });
  for (const std::filesystem::directory_entry& entry : entries) {
    if (entry.is_symlink(ec)) continue;
    if (entry.is_directory(ec)) {
      CollectFolder(entry.path(), filter, files);
    } else if (entry.is_regular_file(ec) && filter(entry.path())) {
      files.push_back(entry.path());
    }
  }
}

// The first bytes of a file, at most size.
std::string Head(const std::filesystem::path& file, std::size_t size) {
  std::ifstream in(file, std::ios::binary);
  std::string head(size, '\0');
  in.read(head.data(), static_cast<std::streamsize>(size));
  head.resize(static_cast<std::size_t>(in.gcount()));
  return head;
}

bool NamesExchangeRoot(std::string_view head) {
  static const std::string kUtf8 = ToUtf8(u"ボーリング情報");
  static const std::string kAnsi = EncodeAnsi(u"ボーリング情報");
  static const std::string kUtf16 = [] {
    std::string bytes;
    for (char16_t c : std::u16string(u"ボーリング情報")) {
      bytes.push_back(static_cast<char>(c & 0xFF));
      bytes.push_back(static_cast<char>(c >> 8));
    }
    return bytes;
  }();
  return head.find(kUtf8) != std::string_view::npos || head.find(kAnsi) != std::string_view::npos ||
         head.find(kUtf16) != std::string_view::npos;
}

}  // namespace

bool HasSourceTag(const std::filesystem::path& file) {
  std::string head = Head(file, 256);
  return IsSourceTagLine(SourceFirstLine(head));
}

bool IsBoringFile(const std::filesystem::path& file) {
  if (HasSourceTag(file)) return true;
  std::string head = Head(file, 8192);
  return LooksLikeExchangeXml(head) && NamesExchangeRoot(head);
}

std::vector<BatchItem> PlanBatch(const std::vector<std::filesystem::path>& sources,
                                 std::u16string_view root, const SourceFilter& filter) {
  std::vector<std::filesystem::path> files;
  for (const std::filesystem::path& source : sources) {
    std::error_code ec;
    if (std::filesystem::is_directory(source, ec)) {
      CollectFolder(source, filter, files);
    } else {
      files.push_back(source);
    }
  }
  std::u16string folder = WithTrailingBackslash(std::u16string(root));
  std::set<std::u16string> used;  // folder names in capitals, as Windows compares them
  std::vector<BatchItem> items;
  for (const std::filesystem::path& file : files) {
    std::u16string stem = FromHostPath(file.stem());
    std::u16string name = stem;
    for (int n = 2; !used.insert(AsciiUpper(name)).second; ++n) {
      name = stem + u"_" + FromHostPath(std::to_string(n));
    }
    items.push_back({file, folder + name});
  }
  return items;
}

}  // namespace bc

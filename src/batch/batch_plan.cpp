#include "batch/batch_plan.h"

#include <algorithm>
#include <fstream>
#include <set>
#include <system_error>

#include "environment/environment.h"

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

std::u16string UpperCase(std::u16string text) {
  for (char16_t& c : text) {
    if (c >= u'a' && c <= u'z') c = static_cast<char16_t>(c - u'a' + u'A');
  }
  return text;
}

}  // namespace

bool HasSourceTag(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  char head[64] = {};
  in.read(head, sizeof head);
  std::string_view text(head, static_cast<std::size_t>(in.gcount()));
  std::size_t start = text.find_first_not_of(" \t");
  return start != std::string_view::npos && text.substr(start, 3) == "QVN";
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
    for (int n = 2; !used.insert(UpperCase(name)).second; ++n) {
      name = stem + u"_" + FromHostPath(std::to_string(n));
    }
    items.push_back({file, folder + name});
  }
  return items;
}

}  // namespace bc

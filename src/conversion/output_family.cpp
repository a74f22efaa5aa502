#include "conversion/output_family.h"

#include <algorithm>
#include <set>

#include "conversion/section_order.h"
#include "environment/environment.h"
#include "text/ascii_case.h"

namespace bc {
namespace {

std::u16string Capitals(std::u16string_view name) { return AsciiUpper(std::u16string(name)); }

// LUGON_<n>.HED, .TMP or .GRA, n being one or more digits.
bool IsLugeonName(std::u16string_view capitals) {
  constexpr std::u16string_view kPrefix = u"LUGON_";
  if (!capitals.starts_with(kPrefix) || capitals.size() < kPrefix.size() + 5) return false;
  std::u16string_view extension = capitals.substr(capitals.size() - 4);
  if (extension != u".HED" && extension != u".TMP" && extension != u".GRA") return false;
  std::u16string_view number =
      capitals.substr(kPrefix.size(), capitals.size() - kPrefix.size() - extension.size());
  return std::all_of(number.begin(), number.end(),
                     [](char16_t c) { return c >= u'0' && c <= u'9'; });
}

}  // namespace

bool IsOutputFamilyName(std::u16string_view name) {
  std::u16string capitals = Capitals(name);
  if (IsLugeonName(capitals)) return true;
  for (const Section& section : SectionOrder()) {
    for (std::u16string_view file : section.files) {
      if (file == capitals) return true;
    }
  }
  return false;
}

std::vector<std::u16string> RemoveOtherOutputs(FileSystem& fs, const std::filesystem::path& folder,
                                               const std::vector<std::filesystem::path>& written) {
  std::set<std::u16string> kept;
  for (const std::filesystem::path& path : written) {
    kept.insert(Capitals(FromHostPath(path.filename())));
  }
  std::vector<std::u16string> failed;
  for (const std::filesystem::path& entry : fs.List(folder)) {
    std::u16string name = FromHostPath(entry.filename());
    if (!IsOutputFamilyName(name) || kept.contains(Capitals(name))) continue;
    if (!fs.Remove(folder / entry.filename())) failed.push_back(name);
  }
  return failed;
}

}  // namespace bc

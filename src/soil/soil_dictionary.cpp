#include "soil/soil_dictionary.h"

#include <algorithm>
#include <fstream>
#include <optional>
#include <system_error>

#include "environment/settings.h"
#include "run/run_error.h"
#include "run/table_file.h"
#include "text/free_format.h"
#include "text/numeric.h"
#include "text/str_form.h"
#include "text/trim.h"

namespace bc {
namespace {

constexpr std::u16string_view kMainList = u"KISHITU.TXT";
constexpr std::u16string_view kExtensionList = u"XKISHITU.TXT";
constexpr std::u16string_view kExtensionScratch = u"XKISHITU.TMP";
constexpr double kLastNewCode = 3999;

// Code bands in search order, as exclusive bounds.
struct Band {
  double lower;
  double upper;
};
constexpr std::array<Band, 3> kBands = {{{4999, 5500}, {999, 4000}, {0, 1000}}};

// The remark of a dictionary name starts at its first "（" and is never matched.
std::u16string CutRemark(const std::u16string& name) { return name.substr(0, name.find(u'（')); }

std::vector<std::vector<std::u16string>> ReadList(const RunContext& ctx, std::u16string_view name) {
  return ReadTableEntries(ctx.PatdatFile(name), ctx.PatdatName(name));
}

// The number a line of the extension list starts with; nothing for a blank
// line, which holds no entry and must not reset the running code.
std::optional<double> LeadingCode(std::u16string_view line) {
  if (IsBlankText(line)) return std::nullopt;
  return NumericValue(line.substr(0, 4));
}

std::u16string FourDigitCode(double code) {
  std::u16string digits = u"0000" + StrInteger(static_cast<long long>(code)).substr(1);
  return digits.substr(digits.size() - 4);
}

// True when folder holds PATADD.txt in any letter case.
bool HasMarker(const std::filesystem::path& folder) {
  std::error_code ec;
  for (const auto& item : std::filesystem::directory_iterator(folder, ec)) {
    std::u16string name = FromHostPath(item.path().filename());
    if (name.size() != 10) continue;
    bool same = true;
    for (std::size_t i = 0; i < name.size() && same; ++i) {
      char16_t c = name[i] >= u'a' && name[i] <= u'z' ? char16_t(name[i] - 32) : name[i];
      same = c == u"PATADD.TXT"[i];
    }
    if (same) return true;
  }
  return false;
}

// Leaves an existing marker as it is; false when none can be made.
bool MarkIn(const std::filesystem::path& folder) {
  if (HasMarker(folder)) return true;
  std::ofstream out(folder / "PATADD.txt", std::ios::binary | std::ios::app);
  return static_cast<bool>(out);
}

// PATADD.txt in the program's folder tells other tools that the main list
// gained a line. An installed program's folder (/usr/bin) is not the user's
// to write, so on POSIX the settings folder takes the marker then, rather
// than every run that adds a soil name stopping.
void MarkDictionaryChanged(const RunContext& ctx) {
  const std::filesystem::path& folder = ctx.env().program_folder();
  if (MarkIn(folder)) return;
#ifndef _WIN32
  std::filesystem::path settings = SystemFolder();
  std::error_code ec;
  std::filesystem::create_directories(settings, ec);
  if (MarkIn(settings)) return;
#endif
  throw RunError(CannotWriteMessage(FromHostPath(folder / "PATADD.txt")));
}

}  // namespace

std::u16string SoilEntry::Line() const {
  std::u16string line = code + u"," + name;
  for (const std::u16string& attribute : attributes) line += u"," + attribute;
  return line;
}

SoilBandMatch SearchSoilBand(const std::vector<std::vector<std::u16string>>& entries, double lower,
                             double upper, std::u16string_view description) {
  SoilBandMatch best;
  for (const std::vector<std::u16string>& items : entries) {
    std::u16string code = ItemOrEmpty(items, 0);
    double value = NumericValue(code);
    if (!(value > lower && value < upper)) continue;
    std::u16string name = CutRemark(ItemOrEmpty(items, 1));
    if (name.size() <= best.length || description.find(name) == std::u16string_view::npos) {
      continue;
    }
    best.found = true;
    best.length = name.size();
    best.entry.code = code;
    best.entry.name = name;
    for (std::size_t i = 0; i < best.entry.attributes.size(); ++i) {
      best.entry.attributes[i] = ItemOrEmpty(items, 2 + i);
    }
  }
  return best;
}

SoilEntry AddSoilPattern(const RunContext& ctx, std::u16string_view description) {
  std::vector<std::u16string> lines =
      ReadTableLines(ctx.PatdatFile(kExtensionList), ctx.PatdatName(kExtensionList));
  // The code after the last line below 4000 that precedes the first line of
  // 4000 or more; codes are not checked for being taken already.
  std::optional<std::size_t> insert_at;
  double last_code = 0;
  for (std::size_t i = 0; i < lines.size() && !insert_at; ++i) {
    std::optional<double> code = LeadingCode(lines[i]);
    if (!code) continue;
    if (*code < 4000) {
      last_code = RoundHalfEven(*code);
    } else {
      insert_at = i;
    }
  }
  // A code of 4000 or more lies outside every band searched: the entry would
  // never be found again and would be added anew at each occurrence.
  double code = std::max(last_code, 1999.0) + 1;
  if (code > kLastNewCode) {
    throw RunError(ctx.PatdatName(kExtensionList) +
                       u": 新しい土質名に付けるコード（2000～3999）を" + u"使い切りました。",
                   RunError::Where::kCurrentLine);
  }
  SoilEntry entry;
  entry.code = FourDigitCode(code);
  entry.name = std::u16string(description);
  entry.attributes = {u"    ", u"    ", u"    ", u"0000"};
  lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(insert_at.value_or(lines.size())),
               entry.Line());
  ReplaceTableLines(ctx.PatdatFile(kExtensionList), ctx.PatdatFile(kExtensionScratch),
                    ctx.PatdatName(kExtensionList), lines);
  return entry;
}

std::u16string FindSoilPattern(const RunContext& ctx, std::u16string_view description) {
  std::vector<std::vector<std::u16string>> main_list = ReadList(ctx, kMainList);
  for (const Band& band : kBands) {
    SoilBandMatch match = SearchSoilBand(main_list, band.lower, band.upper, description);
    if (match.IsExact(description)) return match.entry.code;
  }
  std::optional<SoilEntry> entry;
  std::vector<std::vector<std::u16string>> extension = ReadList(ctx, kExtensionList);
  for (const Band& band : kBands) {
    SoilBandMatch match = SearchSoilBand(extension, band.lower, band.upper, description);
    if (match.IsExact(description)) {
      entry = match.entry;
      break;
    }
  }
  if (!entry) entry = AddSoilPattern(ctx, description);
  AppendTableLine(ctx.PatdatFile(kMainList), ctx.PatdatName(kMainList), entry->Line());
  MarkDictionaryChanged(ctx);
  return entry->code;
}

}  // namespace bc

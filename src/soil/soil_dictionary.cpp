#include "soil/soil_dictionary.h"

#include <algorithm>
#include <optional>
#include <system_error>

#include "environment/settings.h"
#include "run/run_error.h"
#include "text/ascii_case.h"
#include "text/codepage.h"
#include "text/free_format.h"
#include "text/numeric.h"
#include "text/str_form.h"
#include "text/trim.h"

namespace bc {
namespace {

constexpr std::u16string_view kMainList = u"KISHITU.TXT";
constexpr std::u16string_view kExtensionList = u"XKISHITU.TXT";
constexpr double kLastNewCode = 3999;

// Code bands in search order, as exclusive bounds.
struct Band {
  double lower;
  double upper;
};
constexpr std::array<Band, 3> kBands = {{{4999, 5500}, {999, 4000}, {0, 1000}}};

// The remark of a dictionary name starts at its first "（" and is never matched.
constexpr TableKey kNameKey{1, TableKey::Width::kAsRead, u'（'};
std::u16string CutRemark(const std::u16string& name) { return name.substr(0, name.find(u'（')); }

SoilEntry EntryOf(const std::vector<std::u16string>& items) {
  SoilEntry entry;
  entry.code = ItemOrEmpty(items, 0);
  entry.name = CutRemark(ItemOrEmpty(items, 1));
  for (std::size_t i = 0; i < entry.attributes.size(); ++i) {
    entry.attributes[i] = ItemOrEmpty(items, 2 + i);
  }
  return entry;
}

// The entry SearchSoilBand finds as an exact match, band by band, read from
// the table's index: the first in file order whose name is the description.
std::optional<SoilEntry> FindExact(PatternTable& list, std::u16string_view description) {
  if (description.empty()) return std::nullopt;  // an empty name is never matched
  std::vector<PatternTable::EntryId> named = list.Find(kNameKey, description);
  for (const Band& band : kBands) {
    for (PatternTable::EntryId i : named) {
      PatternTable::Items items = list.Entry(i);
      double value = NumericValue(ItemOrEmpty(items, 0));
      if (value > band.lower && value < band.upper) return EntryOf(items);
    }
  }
  return std::nullopt;
}

// The number a line of the extension list starts with, read from its first
// four characters; nothing for a blank line, which holds no entry and must
// not reset the running code.
std::optional<double> LeadingCode(std::string_view line) {
  if (line.find_first_not_of(' ') == std::string_view::npos) return std::nullopt;
  std::u16string first;
  for (AnsiCharReader reader(line); !reader.AtEnd() && first.size() < 4;) first += reader.Next();
  return NumericValue(first);
}

std::u16string FourDigitCode(double code) {
  std::u16string digits = u"0000" + StrInteger(static_cast<long long>(code)).substr(1);
  return digits.substr(digits.size() - 4);
}

// True when folder holds PATADD.txt in any letter case.
bool HasMarker(FileSystem& fs, const std::filesystem::path& folder) {
  for (const std::filesystem::path& item : fs.List(folder)) {
    if (SameIgnoringAsciiCase(FromHostPath(item), u"PATADD.txt")) return true;
  }
  return false;
}

// Leaves an existing marker as it is; false when none can be made.
bool MarkIn(FileSystem& fs, const std::filesystem::path& folder) {
  if (HasMarker(fs, folder)) return true;
  std::unique_ptr<WritableFile> out;
  return fs.OpenWritable(folder / "PATADD.txt", WriteMode::kAppend, &out) == OpenStatus::kOk &&
         out->Close();
}

// PATADD.txt in the program's folder tells other tools that the main list
// gained a line. An installed program's folder (/usr/bin, Program Files) is
// not the user's to write, nor should a root run leave a file there that
// removing the package leaves behind: the user's settings folder takes the
// marker then, and where the program's folder refuses it.
void MarkDictionaryChanged(const RunContext& ctx) {
  FileSystem& fs = ctx.store().file_system();
  const std::filesystem::path& folder = ctx.env().program_folder();
  if (!UnderSystemPrefix(folder) && MarkIn(fs, folder)) return;
  std::filesystem::path settings = UserSettingsFolder();
  std::error_code ec;
  std::filesystem::create_directories(settings, ec);
  if (MarkIn(fs, settings)) return;
  throw RunError(CannotWriteMessage(FromHostPath(settings / "PATADD.txt"), LastFileError()));
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
    best.entry = EntryOf(items);
  }
  return best;
}

SoilEntry AddSoilPattern(const RunContext& ctx, std::u16string_view description) {
  const PatternTable& list = ctx.store().Table(kExtensionList);
  // The code after the last line below 4000 that precedes the first line of
  // 4000 or more; codes are not checked for being taken already.
  std::optional<std::size_t> insert_at;
  double last_code = 0;
  for (std::size_t i = 0, count = list.line_count(); i < count && !insert_at; ++i) {
    std::optional<double> code = LeadingCode(list.LineBytes(i));
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
  ctx.store().Insert(kExtensionList, insert_at.value_or(list.line_count()), entry.Line());
  return entry;
}

std::u16string FindSoilPattern(const RunContext& ctx, std::u16string_view description) {
  std::optional<SoilEntry> entry = FindExact(ctx.store().Table(kMainList), description);
  if (entry) return entry->code;
  entry = FindExact(ctx.store().Table(kExtensionList), description);
  if (!entry) entry = AddSoilPattern(ctx, description);
  ctx.store().Append(kMainList, entry->Line());
  if (!ctx.store().held()) MarkDictionaryChanged(ctx);
  return entry->code;
}

SoilDictionaryAdditions::SoilDictionaryAdditions(const RunContext& ctx) : ctx_(ctx) {
  ctx_.store().Hold();
}

SoilDictionaryAdditions::~SoilDictionaryAdditions() {
  if (ctx_.store().held()) ctx_.store().Discard();
}

void SoilDictionaryAdditions::Save() {
  const bool main_list_grew = ctx_.store().Changed(kMainList);
  ctx_.store().Commit();
  if (main_list_grew) MarkDictionaryChanged(ctx_);
}

}  // namespace bc

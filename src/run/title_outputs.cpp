#include "run/title_outputs.h"

#include "text/ansi_bytes.h"
#include "text/fixed_width.h"
#include "text/numeric.h"
#include "text/separators.h"
#include "text/str_form.h"
#include "text/trim.h"
#include "text/width.h"

namespace bc {
namespace {

struct Era {
  std::u16string_view name;
  int base;
};
constexpr Era kEraTable[] = {{u"平成", 1988}, {u"昭和", 1925}, {u"大正", 1911}};

// " " for a value of −1 (not given), the field otherwise.
std::u16string BlankIfUnset(const std::u16string& field) {
  return NumericValue(field) == -1 ? u" " : field;
}

void ApplyDates(const Record& r, TitleBlocks& t) {
  const std::u16string& era_text = r.Field(2);
  int era = 0;
  std::int16_t year = 0;
  for (int i = 0; i < 3; ++i) {
    const std::u16string_view name = kEraTable[i].name;
    if (era_text.find(name) == std::u16string::npos) continue;
    if (era_text.size() > name.size()) {
      // The year is read from as many characters at the end as follow the name.
      year = Int16OrStop(NumericValue(era_text.substr(name.size())));
    }
    era = i;
    break;
  }
  for (int i = 3; i <= 8; ++i) t.block1[static_cast<std::size_t>(i + 1)] = BlankIfUnset(r.Field(i));
  for (std::size_t k : {4u, 7u}) {
    std::u16string& line = t.block1[k];
    if (NumericValue(line) >= 100) continue;
    if (IsBlankText(line)) line = StrInteger(year);
    line = std::u16string(TrimBlanks(StrDouble(NumericValue(line) + kEraTable[era].base)));
  }
}

// A year line of the title block, trimmed, when it is a whole number above
// 0; "0" otherwise.
std::u16string WholeYear(std::u16string_view line) {
  std::u16string_view year = TrimBlanks(line);
  bool digits = !year.empty() && year.find_first_not_of(u"0123456789") == std::u16string_view::npos;
  if (!digits || year.size() > 9 || NumericValue(year) <= 0) return u"0";
  return std::u16string(TrimBlanks(StrDouble(NumericValue(year))));
}

std::u16string UpperCase(std::u16string text) {
  for (char16_t& c : text) {
    if ((c >= u'a' && c <= u'z') || (c >= u'ａ' && c <= u'ｚ')) c = static_cast<char16_t>(c - 32);
  }
  return text;
}

bool StartsNumber(char16_t c) { return (c >= u'0' && c <= u'9') || c == u'+' || c == u'-'; }

void ApplyPrefixedNumber(const Record& r, TitleBlocks& t, const L1Loader& load_l1) {
  std::u16string text(TrimBlanks(UpperCase(ToHalfWidth(r.Field(2)))));
  if (text.empty()) {
    t.block2[17] = u"  ";
    t.block2[18] = u"  ";
    t.block2[19] = u"        ";
    return;
  }
  std::size_t last_digit = text.find_last_of(u"0123456789");
  if (last_digit != std::u16string::npos) text.resize(last_digit + 1);

  std::u16string letters;
  std::u16string number;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (StartsNumber(text[i])) {
      number = text.substr(i);
      break;
    }
    if (text[i] != u' ' && text[i] != u'.') letters.push_back(text[i]);
  }
  t.block2[17].clear();
  t.block2[18].clear();
  t.block2[19] = number;

  letters = ToFullWidth(letters);
  for (const CodeName& entry : load_l1()) {
    if (entry.name == letters) {
      t.block2[17] = entry.code;
      t.block2[18] = entry.name;
      break;
    }
  }
  if (t.block2[17].empty()) {
    t.block2[17] = u"  ";
    t.block2[18] = u"  ";
  }
}

}  // namespace

void ApplyHeaderRecord(const Record& r, TitleBlocks& t, const L1Loader& load_l1) {
  auto& b1 = t.block1;
  auto& b2 = t.block2;
  double code = r.Code();
  if (code != static_cast<int>(code)) return;  // codes compare as numbers: 1000.5 is none
  switch (static_cast<int>(code)) {
    case 1000:
    case 1001:
      b1[1] += r.Field(2);
      break;
    case 1002:
      b1[3] = FitToWidth(u" ", 20);
      break;
    case 1003:
      b1[2] = r.Field(2);
      break;
    case 1004:
      b2[1] = r.Field(2);
      break;
    case 1005:
      b1[10] = r.Field(2);
      break;
    case 1006:
      for (int i = 1; i <= 3; ++i)
        b1[static_cast<std::size_t>(10 + i)] = BlankIfUnset(r.Field(i + 1));
      break;
    case 1007:
      for (int i = 1; i <= 3; ++i)
        b1[static_cast<std::size_t>(13 + i)] = BlankIfUnset(r.Field(i + 1));
      break;
    case 1008:
      b1[17] = r.Field(2);
      break;
    case 1009:
      ApplyDates(r, t);
      break;
    case 1010:
      b1[18] = r.Field(2);
      break;
    case 1011:
      b1[19] = r.Field(2);
      break;
    case 1012:
      b1[21] = r.Field(2);
      b1[22] = r.Field(3);
      b2[16] = r.Field(4);
      b2[15] = r.Field(5);
      break;
    case 1013:
      ApplyPrefixedNumber(r, t, load_l1);
      for (int i = 2; i <= 4; ++i) {
        b2[static_cast<std::size_t>(23 + i)] =
            NumericValue(r.Field(i + 1)) == -1 ? u"0" : r.Field(i + 1);
      }
      break;
    case 1014:
      b2[28] = r.Field(2);
      break;
    case 1015:
      b2[29] = r.Field(2);
      break;
    case 1016:
      b2[30] = r.Field(2);
      break;
    default:
      break;  // other header codes carry nothing
  }
}

std::u16string DateYear(const TitleBlocks& titles) { return WholeYear(titles.block1[4]); }

ReadingYears ReadingYearsOf(const TitleBlocks& titles) {
  return ReadingYears::Spanning(DateYear(titles), NumericValue(titles.block1[5]),
                                NumericValue(titles.block1[6]), WholeYear(titles.block1[7]));
}

void WriteControlFile(const RunContext& ctx, const std::u16string& destination) {
  std::vector<std::u16string> parts;
  SplitAtSeparators(destination, u"\\", parts);
  auto part = [&](std::size_t i) { return i < parts.size() ? parts[i] : std::u16string(); };
  OutputFile out = ctx.CreateOutput(u"CNT.TXT");
  out.WriteLine(AnsiMidBytes(part(3), 1, 4));
  out.WriteLine(part(4));
  out.WriteLine(part(5));
  out.WriteLine(u"4   ");
  out.WriteLine(u"1");
  out.WriteLine(u"50");
  for (int i = 0; i < 4; ++i) out.WriteLine(u"");
  out.Close();
}

void WriteTitleFiles(const RunContext& ctx, const TitleBlocks& titles) {
  OutputFile first = ctx.CreateOutput(u"TITL01.TXT");
  for (std::size_t i = 1; i <= 23; ++i) first.WriteLine(titles.block1[i]);
  first.Close();
  OutputFile second = ctx.CreateOutput(u"TITL02.TXT");
  for (std::size_t i = 1; i <= 41; ++i) second.WriteLine(titles.block2[i]);
  second.Close();
}

}  // namespace bc

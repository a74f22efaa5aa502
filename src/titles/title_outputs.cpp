#include "titles/title_outputs.h"

#include "text/ansi_bytes.h"
#include "text/ascii_case.h"
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
    c = AsciiUpper(c);
    if (c >= u'ａ' && c <= u'ｚ') c = static_cast<char16_t>(c - u'ａ' + u'Ａ');
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

// Where a header record's field goes, and how it is taken.
enum class Take {
  kField,         // as it stands
  kAppend,        // added to what the line holds
  kBlankIfUnset,  // " " for −1
  kZeroIfUnset,   // "0" for −1
};

struct HeaderSlot {
  int code;
  int block;  // 1: TITL01.TXT, 2: TITL02.TXT
  std::size_t line;
  int field;
  Take take;
};

constexpr HeaderSlot kHeaderSlots[] = {
    {1000, 1, 1, 2, Take::kAppend},        {1001, 1, 1, 2, Take::kAppend},
    {1003, 1, 2, 2, Take::kField},         {1004, 2, 1, 2, Take::kField},
    {1005, 1, 10, 2, Take::kField},        {1006, 1, 11, 2, Take::kBlankIfUnset},
    {1006, 1, 12, 3, Take::kBlankIfUnset}, {1006, 1, 13, 4, Take::kBlankIfUnset},
    {1007, 1, 14, 2, Take::kBlankIfUnset}, {1007, 1, 15, 3, Take::kBlankIfUnset},
    {1007, 1, 16, 4, Take::kBlankIfUnset}, {1008, 1, 17, 2, Take::kField},
    {1010, 1, 18, 2, Take::kField},        {1011, 1, 19, 2, Take::kField},
    {1012, 1, 21, 2, Take::kField},        {1012, 1, 22, 3, Take::kField},
    {1012, 2, 16, 4, Take::kField},        {1012, 2, 15, 5, Take::kField},
    {1013, 2, 25, 3, Take::kZeroIfUnset},  {1013, 2, 26, 4, Take::kZeroIfUnset},
    {1013, 2, 27, 5, Take::kZeroIfUnset},  {1014, 2, 28, 2, Take::kField},
    {1015, 2, 29, 2, Take::kField},        {1016, 2, 30, 2, Take::kField},
};

void ApplyBlankDepthColumn(const Record&, TitleBlocks& t, const L1Loader&) {
  t.block1[3] = FitToWidth(u" ", 20);
}

void ApplyDatesRecord(const Record& r, TitleBlocks& t, const L1Loader&) { ApplyDates(r, t); }

// Records whose values take more than a field each; they run before the slots
// of their code.
struct HeaderSpecial {
  int code;
  void (*apply)(const Record&, TitleBlocks&, const L1Loader&);
};

constexpr HeaderSpecial kHeaderSpecials[] = {
    {1002, ApplyBlankDepthColumn},
    {1009, ApplyDatesRecord},
    {1013, ApplyPrefixedNumber},
};

void ApplySlot(const Record& r, TitleBlocks& t, const HeaderSlot& slot) {
  std::u16string& line = (slot.block == 1 ? t.block1 : t.block2)[slot.line];
  const std::u16string& field = r.Field(slot.field);
  switch (slot.take) {
    case Take::kField:
      line = field;
      break;
    case Take::kAppend:
      line += field;
      break;
    case Take::kBlankIfUnset:
      line = BlankIfUnset(field);
      break;
    case Take::kZeroIfUnset:
      line = NumericValue(field) == -1 ? u"0" : field;
      break;
  }
}

}  // namespace

void ApplyHeaderRecord(const Record& r, TitleBlocks& t, const L1Loader& load_l1) {
  double code = r.Code();
  if (code != static_cast<int>(code)) return;  // codes compare as numbers: 1000.5 is none
  for (const HeaderSpecial& special : kHeaderSpecials) {
    if (special.code == code) special.apply(r, t, load_l1);
  }
  for (const HeaderSlot& slot : kHeaderSlots) {
    if (slot.code == code) ApplySlot(r, t, slot);
  }
}

std::u16string DateYear(const TitleBlocks& titles) { return WholeYear(titles.block1[4]); }

ReadingYears ReadingYearsOf(const TitleBlocks& titles) {
  return ReadingYears::Spanning(DateYear(titles), NumericValue(titles.block1[5]),
                                NumericValue(titles.block1[6]), WholeYear(titles.block1[7]));
}

Flow RunHeaderSection(RunContext& ctx, const std::u16string& destination, double deepest) {
  TitleBlocks titles;
  L1Loader load_l1 = [&ctx] { return ctx.CodeTable(u"L1.TXT"); };
  bool ended = ctx.AtEnd();
  if (!ended) ctx.Next();
  while (!ended && ctx.Code() > 999 && ctx.Code() < 2000) {
    ApplyHeaderRecord(ctx.record(), titles, load_l1);
    if (ctx.AtEnd()) {
      ended = true;
    } else {
      ctx.Next();
    }
  }
  titles.block2[20] = FormatFixed2(7, deepest);
  ctx.reading_years = ReadingYearsOf(titles);
  WriteControlFile(ctx, destination);
  WriteTitleFiles(ctx, titles);
  if (ended) return Flow::kEnd;
  while (ctx.Code() < 2000 && !ctx.AtEnd()) ctx.Next();
  return Flow::kContinue;
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

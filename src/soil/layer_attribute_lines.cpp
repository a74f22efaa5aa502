#include "soil/layer_attribute_lines.h"

#include <string>

#include "run/table_file.h"
#include "soil/range_split.h"
#include "text/free_format.h"
#include "text/numeric.h"
#include "text/str_form.h"
#include "text/trim.h"
#include "text/width.h"

namespace bc {
namespace {

constexpr std::u16string_view kNoCode = u"  ";
constexpr int kCodeLimit = 100;  // codes are two characters

struct HalfCode {
  std::u16string half;
  std::u16string code{kNoCode};
};

// Attribute 5's table has a spare field between code and name.
std::size_t NameItem(int attribute) { return attribute == 5 ? 2 : 1; }

std::u16string TableName(int attribute) {
  return u"L" + StrInteger(12 + attribute).substr(1) + u".TXT";
}

// Finds the codes of both halves (the last matching entry wins) and returns
// the highest code of the table. Names are compared in their full-width form;
// the halves are too, so that a half written to the table as it came is found
// there again next time. An empty half is never looked up.
double LookUpHalves(const std::vector<std::vector<std::u16string>>& entries, int attribute,
                    std::array<HalfCode, 2>& halves) {
  double highest = 0;
  std::array<std::u16string, 2> wanted = {ToFullWidth(halves[0].half), ToFullWidth(halves[1].half)};
  for (const std::vector<std::u16string>& items : entries) {
    std::u16string code = ItemOrEmpty(items, 0);
    double value = NumericValue(code);
    if (value > highest) highest = RoundHalfEven(value);
    std::u16string name = ToFullWidth(ItemOrEmpty(items, NameItem(attribute)));
    for (std::size_t i = 0; i < halves.size(); ++i) {
      // An empty half is no name: it must not take the code of an entry
      // that lacks its name.
      if (!wanted[i].empty() && wanted[i] == name) halves[i].code = code;
    }
  }
  return highest;
}

// Gives each new, non-blank half the next free code and appends it to the
// table, while codes stay below 100; past that the half is counted.
void AddNewHalves(RunContext& ctx, int attribute, double next_code,
                  std::array<HalfCode, 2>& halves) {
  std::u16string table = TableName(attribute);
  for (HalfCode& half : halves) {
    if (IsBlankText(half.half) || !IsBlankText(half.code)) continue;
    if (next_code >= kCodeLimit) {
      ctx.full_tables.CountName(ctx.PatdatName(table));
      continue;
    }
    half.code = RightFit(StrInteger(static_cast<long long>(next_code)), 2);
    std::u16string spare = attribute == 5 ? u"      ," : u"";
    AppendTableLine(ctx.PatdatFile(table), ctx.PatdatName(table),
                    half.code + u"," + spare + half.half);
    next_code += 1;
  }
}

}  // namespace

void WriteLayerAttributeLines(RunContext& ctx, AttributeFiles& out, const Record& record) {
  const std::u16string depth = RightFit(record.Field(2), 7);
  for (int attribute = 1; attribute <= kAttributeCount; ++attribute) {
    RangeParts parts = SplitAtRange(record.Field(4 + attribute));
    std::array<HalfCode, 2> halves = {HalfCode{parts.first}, HalfCode{parts.second}};
    std::u16string table = TableName(attribute);
    double highest = LookUpHalves(ReadTableEntries(ctx.PatdatFile(table), ctx.PatdatName(table)),
                                  attribute, halves);
    AddNewHalves(ctx, attribute, highest + 1, halves);

    std::size_t index = static_cast<std::size_t>(attribute - 1);
    std::int16_t& counter = out.counters[index];
    out.files[index]->WriteLine(RightFit(StrInteger(counter), 3) + u"," + depth + u"," +
                                halves[0].code + u"," + halves[0].half + u"," + halves[1].code +
                                u"," + halves[1].half);
    Advance(counter);
  }
}

}  // namespace bc

#include "soil/layer_attribute_lines.h"

#include <string>

#include "run/code_growth.h"
#include "soil/range_split.h"
#include "text/free_format.h"
#include "text/numeric.h"
#include "text/str_form.h"
#include "text/trim.h"
#include "text/width.h"

namespace bc {
namespace {

struct HalfCode {
  std::u16string half;
  std::u16string code{kNoCode};
};

std::u16string TableName(int attribute) {
  return u"L" + StrInteger(12 + attribute).substr(1) + u".TXT";
}

// Names are compared in their full-width form; attribute 5's table has a
// spare field between code and name.
TableKey NameKey(int attribute) { return {attribute == 5 ? 2u : 1u, TableKey::Width::kFull}; }

// Finds the codes of both halves (the last matching entry wins). The halves are compared in
// full-width form too, so that a half written to the table as it came is found there again next
// time. An empty half is no name: it must not take the code of an entry that lacks its name.
void LookUpHalves(PatternTable& table, int attribute, std::array<HalfCode, 2>& halves) {
  for (HalfCode& half : halves) {
    std::u16string wanted = ToFullWidth(half.half);
    if (wanted.empty()) continue;
    std::vector<PatternTable::EntryId> found = table.Find(NameKey(attribute), wanted);
    if (!found.empty()) half.code = table.Item(found.back(), 0);
  }
}

// Gives each new, non-blank half a code by the rule of CodeGrowth; attribute
// 5's entries keep their spare field empty.
void AddNewHalves(RunContext& ctx, int attribute, std::array<HalfCode, 2>& halves) {
  CodeGrowth growth(ctx.store(), TableName(attribute), ctx.full_tables,
                    CodeGrowth::Form::kBlankPadded);
  std::u16string spare = attribute == 5 ? u"      ," : u"";
  for (HalfCode& half : halves) {
    if (!IsBlankText(half.half) && IsBlankText(half.code))
      half.code = growth.Add(spare + half.half);
  }
}

}  // namespace

void WriteLayerAttributeLines(RunContext& ctx, AttributeFiles& out, const Record& record) {
  const std::u16string depth = RightFit(record.Field(2), 7);
  for (int attribute = 1; attribute <= kAttributeCount; ++attribute) {
    RangeParts parts = SplitAtRange(record.Field(4 + attribute));
    std::array<HalfCode, 2> halves = {HalfCode{parts.first}, HalfCode{parts.second}};
    LookUpHalves(ctx.store().Table(TableName(attribute)), attribute, halves);
    AddNewHalves(ctx, attribute, halves);

    std::size_t index = static_cast<std::size_t>(attribute - 1);
    std::int16_t& counter = out.counters[index];
    out.files[index]->WriteLine(RightFit(StrInteger(counter), 3) + u"," + depth + u"," +
                                halves[0].code + u"," + halves[0].half + u"," + halves[1].code +
                                u"," + halves[1].half);
    Advance(counter);
  }
}

}  // namespace bc

#include "testrecords/merge_test_depths.h"

#include <string>

#include "run/run_context.h"
#include "testrecords/line_number_column.h"
#include "text/numeric.h"
#include "text/str_form.h"

namespace bc {
namespace {

// Columns 6 to 11 of every line.
constexpr std::u16string_view kTail = u"   ,   ,   ,   ,   ,   ";

std::u16string ValueColumn(std::int16_t value) { return RightFit(StrInteger(value), 3); }

// The entry with negative values stored back as 0, as every line shows it.
DepthTable::Entry& ClampedEntry(DepthMerge& merge) {
  DepthTable::Entry& entry = merge.table.entries[merge.next - 1];
  if (entry.value_a < 0) entry.value_a = 0;
  if (entry.value_b < 0) entry.value_b = 0;
  return entry;
}

void WriteEntryLine(DepthMerge& merge) {
  const DepthTable::Entry& entry = ClampedEntry(merge);
  merge.out.WriteLine(LineNumberColumn(merge.line) + u"," + RightFit(StrSingle(entry.depth), 7) +
                      u",   ," + ValueColumn(entry.value_a) + u"," + ValueColumn(entry.value_b) +
                      u"," + std::u16string(kTail));
  Advance(merge.line);
  ++merge.next;
}

void WriteJointLine(DepthMerge& merge, std::u16string_view depth_text, const Record& record) {
  const DepthTable::Entry& entry = ClampedEntry(merge);
  merge.out.WriteLine(LineNumberColumn(merge.line) + u"," + RightFit(depth_text, 7) + u"," +
                      RightFit(record.Field(3), 3) + u"," + ValueColumn(entry.value_a) + u"," +
                      ValueColumn(entry.value_b) + u"," + std::u16string(kTail));
  Advance(merge.line);
  ++merge.next;
}

void WriteSingleLine(DepthMerge& merge, std::u16string_view depth_text, const Record& record) {
  merge.out.WriteLine(LineNumberColumn(merge.line) + u"," + RightFit(depth_text, 7) + u"," +
                      RightFit(record.Field(3), 3) + u",   ,   ," + std::u16string(kTail));
  Advance(merge.line);
}

bool Pending(const DepthMerge& merge) { return merge.next <= merge.table.entries.size(); }

}  // namespace

void MergeTestDepths(DepthMerge& merge, std::u16string_view depth_text, Record& record) {
  const float depth = SingleOrStop(NumericValue(depth_text));
  while (Pending(merge) && depth > merge.table.DepthAt(merge.next)) WriteEntryLine(merge);
  if (NumericValue(record.Field(3)) < 0) record.MutableField(3) = u"  0";
  // Only an equal depth is left here; a record at or past the sentinel with
  // no entry pending is a line of its own, never a join with an empty slot.
  if (Pending(merge) && depth >= merge.table.DepthAt(merge.next)) {
    WriteJointLine(merge, depth_text, record);
  } else {
    WriteSingleLine(merge, depth_text, record);
  }
}

void FlushTestDepths(DepthMerge& merge) {
  while (Pending(merge)) WriteEntryLine(merge);
}

}  // namespace bc

#include "testrecords/depth_table.h"

#include "run/run_context.h"
#include "run/run_error.h"
#include "text/numeric.h"

namespace bc {

Flow GatherDepthTable(RunContext& ctx, DepthTable& table) {
  return ctx.WhileCode(3000, [&] {
    if (table.entries.size() == DepthTable::kMaxEntries) {
      throw RunError(u"深度（コード 3000）が 250 件を超えています。",
                     RunError::Where::kCurrentLine);
    }
    const Record& record = ctx.record();
    DepthTable::Entry entry;
    entry.depth = FieldSingleOrStop(record, 2);
    entry.value_a = FieldInt16OrStop(record, 3);
    entry.value_b = FieldInt16OrStop(record, 4);
    table.entries.push_back(entry);
  });
}

}  // namespace bc

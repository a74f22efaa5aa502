#include "testrecords/interval_gathering.h"

#include "run/run_error.h"

namespace bc {

Flow GatherIntervalLines(RunContext& ctx, const std::vector<CodeName>& reference,
                         IntervalGathering& gathering) {
  return ctx.WhileCode(3030, [&] {
    if (gathering.lines.size() == IntervalGathering::kMaxLines) {
      throw RunError(u"区間（コード 3030）が 2000 行を超えています。",
                     RunError::Where::kCurrentLine);
    }
    gathering.lines.push_back({ctx.current_line(), ctx.record().line_number});
    gathering.legend.AddFrom(reference, ctx.record().Field(4));
  });
}

}  // namespace bc

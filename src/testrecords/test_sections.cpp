#include "testrecords/test_sections.h"

namespace bc {

// Placeholders until the test-record writers exist: the records are read past.
Flow RunMergedDepthSections(RunContext& ctx) {
  if (ctx.WhileCode(3000, [] {}) == Flow::kEnd) return Flow::kEnd;
  if (ctx.SkipWhile([](double code) { return code < 3010; }) == Flow::kEnd) return Flow::kEnd;
  return ctx.WhileCode(3010, [] {});
}
Flow RunDatedDepthSection(RunContext& ctx) { return ctx.WhileCode(3020, [] {}); }
Flow RunIntervalSection(RunContext& ctx) { return ctx.WhileCode(3030, [] {}); }
Flow RunLugeonSections(RunContext& ctx) {
  if (ctx.WhileCode(4010, [] {}) == Flow::kEnd) return Flow::kEnd;
  return ctx.WhileCode(4011, [] {});
}
Flow RunCode5000Section(RunContext& ctx) { return ctx.WhileCode(5000, [] {}); }
Flow RunCodedNameSection(RunContext& ctx) { return ctx.WhileCode(5010, [] {}); }

}  // namespace bc

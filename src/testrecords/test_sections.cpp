#include "testrecords/test_sections.h"

#include <cstdint>

#include "run/run_context.h"
#include "testrecords/coded_name_line.h"
#include "testrecords/dated_depth_line.h"
#include "testrecords/depth_table.h"
#include "testrecords/interval_gathering.h"
#include "testrecords/interval_line.h"
#include "testrecords/lugeon_points.h"
#include "testrecords/lugeon_tests.h"
#include "testrecords/merge_test_depths.h"
#include "testrecords/value_group_lines.h"
#include "text/fixed_width.h"
#include "text/numeric.h"

namespace bc {
namespace {

// R41.TXT from the table and the code-3010 records from the current one on.
// Entries left below the last record are written at the end, so none is lost.
Flow WriteMergedDepths(RunContext& ctx, DepthTable& table) {
  OutputFile out = ctx.CreateOutput(u"R41.TXT");
  DepthMerge merge{out, table};
  Flow flow =
      ctx.WhileCode(3010, [&] { MergeTestDepths(merge, ctx.record().Field(2), ctx.record()); });
  FlushTestDepths(merge);
  out.Close();
  return flow;
}

void WriteIntervalFile(RunContext& ctx, const IntervalGathering& gathering) {
  OutputFile out = ctx.CreateOutput(u"X7.TXT");
  std::int16_t counter = 1;
  for (const IntervalGathering::SavedLine& saved : gathering.lines) {
    ctx.Resplit(saved.text, saved.line_number);
    WriteIntervalLine(out, counter, ctx.record(), gathering.legend);
  }
  out.Close();
}

}  // namespace

Flow RunMergedDepthSections(RunContext& ctx) {
  DepthTable table;
  Flow flow = GatherDepthTable(ctx, table);
  if (flow == Flow::kContinue) flow = ctx.SkipWhile([](double code) { return code < 3010; });
  // An end of the source before any code-3010 record still keeps the
  // gathered entries.
  if (flow == Flow::kEnd) {
    if (!table.entries.empty()) {
      OutputFile out = ctx.CreateOutput(u"R41.TXT");
      DepthMerge merge{out, table};
      FlushTestDepths(merge);
      out.Close();
    }
    return Flow::kEnd;
  }
  return WriteMergedDepths(ctx, table);
}

Flow RunDatedDepthSection(RunContext& ctx) {
  OutputFile out = ctx.CreateOutput(u"N9.TXT");
  std::int16_t counter = 1;
  Flow flow = ctx.WhileCode(3020, [&] {
    WriteDatedDepthLine(out, counter, ctx.record(), ctx.reading_years, DateMode::kPlain);
  });
  out.Close();
  return flow;
}

Flow RunIntervalSection(RunContext& ctx) {
  IntervalGathering gathering;
  Flow flow = GatherIntervalLines(ctx, ctx.tables.l8, gathering);
  // The record that ended the gathering is split again once the saved lines
  // have been replayed, so that the next section starts at it.
  const std::u16string kept = ctx.current_line();
  const long kept_line_number = ctx.record().line_number;
  WriteIntervalFile(ctx, gathering);
  if (flow == Flow::kEnd) return Flow::kEnd;
  ctx.Resplit(kept, kept_line_number);
  return Flow::kContinue;
}

Flow RunLugeonSections(RunContext& ctx) {
  LugeonTable tests;
  OutputFile index = ctx.CreateOutput(u"PCNT.TXT");
  Flow flow = ctx.WhileCode(4010, [&] {
    int test = StoreLugeonTest(ctx.record(), tests);
    std::u16string base_name = LugeonBaseName(test);
    index.WriteLine(FormatFixed2(7, NumericValue(ctx.record().Field(2))) + u"," + base_name);
    WriteLugeonSetupFiles(ctx, base_name, test, tests);
  });
  index.Close();
  if (flow == Flow::kEnd || tests.count == 0) return flow;
  return WriteLugeonPointFiles(ctx, tests);
}

Flow RunCode5000Section(RunContext& ctx) {
  OutputFile n8 = ctx.CreateOutput(u"N8.TXT");
  OutputFile g71 = ctx.CreateOutput(u"G71.TXT");
  OutputFile g73 = ctx.CreateOutput(u"G73.TXT");
  OutputFile g81 = ctx.CreateOutput(u"G81.TXT");
  OutputFile g82 = ctx.CreateOutput(u"G82.TXT");
  std::int16_t n8_counter = 1;
  std::int16_t rate_counter = 1;
  std::int16_t reading_counter = 1;
  std::int16_t range_counter = 1;
  float previous_depth = 0;
  Flow flow = ctx.WhileCode(5000, [&] {
    Record& record = ctx.record();
    WriteDatedDepthLine(n8, n8_counter, record, ctx.reading_years, DateMode::kGuarded);
    WriteRateLine(g71, rate_counter, record, previous_depth);
    WriteReadingLine(g73, reading_counter, record);
    WriteRangeLines(g81, g82, range_counter, record);
    previous_depth = FieldSingleOrStop(record, 2);
  });
  for (OutputFile* file : {&n8, &g71, &g73, &g81, &g82}) file->Close();
  return flow;
}

Flow RunCodedNameSection(RunContext& ctx) {
  OutputFile out = ctx.CreateOutput(u"R72.TXT");
  std::int16_t counter = 1;
  Flow flow = ctx.WhileCode(5010, [&] { WriteCodedNameLine(ctx, out, counter, ctx.record()); });
  out.Close();
  return flow;
}

}  // namespace bc

#include "testrecords/dated_depth_line.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/section_fixture.h"
#include "testrecords/test_sections.h"

namespace bc {
namespace {

using Lines = std::vector<std::u16string>;

TEST(DatedDepthLineTest, PlainModeWritesEveryRecord) {
  testing::SectionFixture f;
  RunContext& ctx = f.Start(
      {u"3020 3.25 4 15", u"3020 123.4567 -1 -1", u"3020 1.5 _7 5", u"3020 2 123 4", u"3030 x"});
  ctx.reading_years = ReadingYears(u"2001");
  EXPECT_EQ(RunDatedDepthSection(ctx), Flow::kContinue);
  EXPECT_EQ(f.OutputLines(u"N9.TXT"),
            (Lines{u"  1,2001/04/15,   3.25", u"  2,2001/00/00,23.4567", u"  3,2001/07/05,    1.5",
                   u"  4,2001/23/04,      2"}));
}

TEST(DatedDepthLineTest, GuardedModeSkipsWithoutTakingANumber) {
  testing::SectionFixture f;
  RunContext& ctx = f.Start({u"5000 1.0 -1 -1", u"5000 2.0 4 -1", u"5000 3.0 12 31"});
  OutputFile out = ctx.CreateOutput(u"N8.TXT");
  std::int16_t counter = 1;
  ctx.WhileCode(5000, [&] {
    WriteDatedDepthLine(out, counter, ctx.record(), ReadingYears(), DateMode::kGuarded);
  });
  out.Close();
  EXPECT_EQ(counter, 2);
  EXPECT_EQ(f.OutputLines(u"N8.TXT"), (Lines{u"  1,0/12/31,    3.0"}));
}

}  // namespace
}  // namespace bc

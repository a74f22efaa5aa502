#include "testrecords/value_group_lines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "run/run_error.h"
#include "support/section_fixture.h"
#include "testrecords/test_sections.h"

namespace bc {
namespace {

using Lines = std::vector<std::u16string>;

TEST(ValueGroupLinesTest, EachFileSkipsItsBlankRecordsAndCountsItsOwnLines) {
  testing::SectionFixture f;
  RunContext& ctx = f.Start({
      u"5000 1.00 -1 3",
      u"5000 1.50 4 5 30",
      u"5000 2.00 4 6 20～30 1～2 3 A 3 B 8",
      u"5000 3.00 -1 -1 0 _ _ _ 3～4 _ 9",
      u"5000 3.50 5 1 _ _ _ _ _ _ _",
      u"5000 4.00 5 2 60",
      u"5000 4.50 -1 -1 _ _ _ x 3 _ 8",
  });
  ctx.reading_years = ReadingYears(u"1999");
  EXPECT_EQ(RunCode5000Section(ctx), Flow::kEnd);
  EXPECT_EQ(f.OutputLines(u"N8.TXT"),
            (Lines{u"  1,1999/04/05,   1.50", u"  2,1999/04/06,   2.00", u"  3,1999/05/01,   3.50",
                   u"  4,1999/05/02,   4.00"}));
  // 0.5 m in 30 s: 50 / 0.5 + 0.5 = 100.5 keeps its integer part 100. The
  // record at 3.50 without values still moves the previous depth.
  EXPECT_EQ(f.OutputLines(u"G71.TXT"),
            (Lines{u"  1,   1.50,100, 0.50,  30", u"  2,   2.00,150, 0.50,  20",
                   u"  3,   3.00,  0, 1.00,   0", u"  4,   4.00, 50, 0.50,  60"}));
  EXPECT_EQ(f.OutputLines(u"G73.TXT"), (Lines{u"  1,   2.00,  1,  3"}));
  EXPECT_EQ(f.OutputLines(u"G81.TXT"),
            (Lines{u"  1,   2.00,A,3,B・8", u"  2,   3.00, ,3～4,9", u"  3,   4.50,x,3,8"}));
  EXPECT_EQ(f.OutputLines(u"G82.TXT"),
            (Lines{u"  1,   2.00,  5", u"  2,   3.00,   ", u"  3,   4.50,  5"}));
}

TEST(ValueGroupLinesTest, EmptyFilesWhenTheSectionHasNoRecord) {
  testing::SectionFixture f;
  RunContext& ctx = f.Start({u"5010 1 1 x y"});
  EXPECT_EQ(RunCode5000Section(ctx), Flow::kContinue);
  for (const char16_t* name : {u"N8.TXT", u"G71.TXT", u"G73.TXT", u"G81.TXT", u"G82.TXT"}) {
    EXPECT_EQ(f.OutputBytes(name), "");
  }
}

TEST(ValueGroupLinesTest, ADepthBeyondSinglePrecisionStopsTheRun) {
  // The first record has no value groups; its depth still becomes the
  // previous depth, which must fit a float.
  testing::SectionFixture f;
  RunContext& ctx = f.Start({u"5000 5E38 -1 -1", u"5000 1 -1 -1 30"});
  EXPECT_THROW(RunCode5000Section(ctx), RunError);
}

}  // namespace
}  // namespace bc

#include <gtest/gtest.h>

#include "run/run_error.h"
#include "site/blow_count_line.h"
#include "site/site_sections.h"
#include "support/section_fixture.h"
#include "text/utf8.h"

namespace bc {
namespace {

using Lines = std::vector<std::u16string>;

std::u16string LineOf(std::u16string_view source, std::int16_t number = 1) {
  Record record;
  SplitRecord(source, record);
  return BlowCountLine(record, number).value_or(u"<none>");
}

TEST(BlowCountLineTest, SumsNValueAndStagePairs) {
  EXPECT_EQ(LineOf(u"4000 1.00 1.30 10 10 10 3 4 5"),
            u"  1,   1.00, 12, 12, 30,  3, 10,  4, 10,  5, 10");
  // 30 × 30 ÷ 20: the scale is not truncated before the multiplication.
  EXPECT_EQ(LineOf(u"4000 2.00 2.30 10 10 0 10 20 0"),
            u"  1,   2.00, 30, 45, 20, 10, 10, 20, 10,  0,  0");
  // No length: N is the blows.
  EXPECT_EQ(LineOf(u"4000 3.00 3.30 0 0 0 7 8 9"),
            u"  1,   3.00, 24, 24,  0,  7,  0,  8,  0,  9,  0");
}

TEST(BlowCountLineTest, UnmeasuredStagesCountAndShowAsZero) {
  EXPECT_EQ(LineOf(u"4000 4.00 4.30 15 -1 -1 50 -1 -1.0"),
            u"  1,   4.00, 50,100, 15, 50, 15,  0,  0,  0,  0");
}

TEST(BlowCountLineTest, RunningTotalIsRoundedHalfToEven) {
  // 0.5 rounds to 0, 0 + 1.5 to 2, 2 + 0.5 to 2.
  EXPECT_EQ(LineOf(u"4000 5.00 5.30 10 10 10 0.5 1.5 0.5").substr(12, 4), u"  2,");
}

TEST(BlowCountLineTest, ZeroDepthsWriteNothing) {
  EXPECT_EQ(LineOf(u"4000 0 0.0 10 10 10 3 4 5"), u"<none>");
  EXPECT_NE(LineOf(u"4000 0 0.3 10 10 10 3 4 5"), u"<none>");
}

TEST(BlowCountLineTest, NValues) {
  struct Case {
    const char16_t* stages;  // fields 4 to 9
    const char16_t* n;
  };
  const Case cases[] = {
      {u"10 15 10 1 2 1", u"  3"},    // 4 blows over 35: 3.4, not 0
      {u"22 0 0 50 0 0", u" 68"},     // 68.18, not 50
      {u"1 0 0 50 0 0", u"999"},      // 1500 keeps three digits
      {u"0 0 0 600 600 0", u"999"},   // no length, 1200 blows
      {u"1 0 0 2000 0 0", u"999"},    // 60000 is past 16 bits, yet no stop
      {u"15 15 0 -1 25 25", u" 50"},  // whole scales give what they always gave
      {u"7 0 0 -3 0 0", u"-12"},      // the fraction of a negative N is dropped too
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(ToUtf8(c.stages));
    EXPECT_EQ(LineOf(u"4000 1.00 1.30 " + std::u16string(c.stages)).substr(16, 3), c.n);
  }
}

TEST(BlowCountLineTest, ValuesPastTheirRangeStopTheRun) {
  for (const char16_t* source : {
           u"4000 1 1 1 0 0 20000 20000 0",  // S1 past 16 bits
           u"4000 1E39 0 1 1 1 1 1 1",       // depths beyond single precision
           u"4000 0 -1E39 1 1 1 1 1 1",
           u"4000 1 1E400 1 1 1 1 1 1",
       }) {
    SCOPED_TRACE(ToUtf8(source));
    EXPECT_THROW(LineOf(source), RunError);
  }
}

TEST(BlowCountSectionTest, SkippedRecordsTakeNoNumber) {
  testing::SectionFixture f;
  RunContext& ctx = f.Start({u"4000 1.00 1.30 10 10 10 3 4 5", u"4000 0 0 1 1 1 1 1 1",
                             u"4000 2.00 2.30 10 10 10 6 7 8", u"4010 x"});
  EXPECT_EQ(RunBlowCountSection(ctx), Flow::kContinue);
  EXPECT_EQ(ctx.Code(), 4010);
  EXPECT_EQ(f.OutputLines(u"X5.TXT"), (Lines{u"  1,   1.00, 12, 12, 30,  3, 10,  4, 10,  5, 10",
                                             u"  2,   2.00, 21, 21, 30,  6, 10,  7, 10,  8, 10"}));
}

TEST(BlowCountSectionTest, NoRecordsGiveAnEmptyFile) {
  testing::SectionFixture f;
  RunContext& ctx = f.Start({u"4010 1"});
  EXPECT_EQ(RunBlowCountSection(ctx), Flow::kContinue);
  EXPECT_TRUE(f.OutputExists(u"X5.TXT"));
  EXPECT_EQ(f.OutputBytes(u"X5.TXT"), "");
}

}  // namespace
}  // namespace bc

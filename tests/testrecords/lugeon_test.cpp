#include "testrecords/lugeon_tests.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "run/run_error.h"
#include "support/section_fixture.h"
#include "testrecords/test_sections.h"

namespace bc {
namespace {

using Lines = std::vector<std::u16string>;

Lines Heading(std::u16string number, std::u16string depth1, std::u16string depth2) {
  Lines lines{number, u"    ", u"  ", u"  ", depth1, depth2};
  lines.resize(22);
  return lines;
}

TEST(LugeonTest, ScalesKeepTheLowerTextAtAThreshold) {
  EXPECT_EQ(FirstScale(4.5f), u"1.5");
  EXPECT_EQ(FirstScale(4.6f), u"4");
  EXPECT_EQ(FirstScale(12.0f), u"4");
  EXPECT_EQ(FirstScale(90.1f), u"60");
  EXPECT_EQ(SecondScale(0.6f), u"0.5");
  EXPECT_EQ(SecondScale(1.2f), u"2.5");  // 1.2 in single precision lies above 1.2
  EXPECT_EQ(SecondScale(30.0f), u"12.5");
  EXPECT_EQ(SecondScale(30.1f), u"25");
}

TEST(LugeonTest, IndexSetupFilesAndPointGroups) {
  testing::SectionFixture f;
  RunContext& ctx =
      f.Start({u"4010 10.50 12.00 4.5 1.2 5 6 7 8 3", u"4010 0.29 20 4.6 0.6 1 2 3 9999 0",
               u"4011 1 2.5", u"4011 2 3.456", u"4011 3 -0.5", u"4011 0.5 1", u"4011 1 2"});
  EXPECT_EQ(RunLugeonSections(ctx), Flow::kEnd);
  EXPECT_EQ(f.OutputLines(u"PCNT.TXT"), (Lines{u"  10.50,LUGON_1", u"   0.29,LUGON_2"}));
  EXPECT_EQ(f.OutputLines(u"LUGON_1.HED"), Heading(u" 1", u"  10.50", u"  12.00"));
  EXPECT_EQ(f.OutputLines(u"LUGON_2.HED"), Heading(u" 2", u"   0.29", u"  20.00"));
  EXPECT_EQ(f.OutputLines(u"LUGON_1.TMP"),
            (Lines{u" 5", u" 6", u" 7", u"10.00", u"", u"", u"1.5", u"7.000E-05", u" 8", u" 7",
                   u"2", u"3", u"5", u"2.5", u"5", u"3"}));
  // A field reading 9999 arrives as "0.0", so value 8 is 0 here.
  EXPECT_EQ(f.OutputLines(u"LUGON_2.TMP"),
            (Lines{u" 1", u" 2", u" 3", u"10.00", u"", u"", u"4", u"7.000E-05", u" 0", u" 3", u"2",
                   u"3", u"5", u"0.5", u"5", u"3"}));
  EXPECT_EQ(f.OutputLines(u"LUGON_1.GRA"), (Lines{u" 3", u"  1,      ,      ,  1.00,      ,  2.50",
                                                  u"  2,      ,      ,  2.00,      ,  3.45",
                                                  u"  3,      ,      ,  3.00,      , -0.50"}));
  // Field 10 "0" announces 15 points; the source ends after two of them.
  EXPECT_EQ(f.OutputLines(u"LUGON_2.GRA"), (Lines{u"15", u"  1,      ,      ,  0.50,      ,  1.00",
                                                  u"  2,      ,      ,  1.00,      ,  2.00"}));
}

TEST(LugeonTest, GroupsTakeAnyCodeAndExtraGroupsArePassedOver) {
  testing::SectionFixture f;
  RunContext& ctx = f.Start({u"4010 1 2 3 4 5 6 7 8 2", u"4011 1 1", u"3999 2 2", u"4011 3 3",
                             u"4011 4 4", u"5000 1 1 1"});
  EXPECT_EQ(RunLugeonSections(ctx), Flow::kContinue);
  EXPECT_EQ(ctx.Code(), 5000);
  EXPECT_EQ(f.OutputLines(u"LUGON_1.GRA"), (Lines{u" 2", u"  1,      ,      ,  1.00,      ,  1.00",
                                                  u"  2,      ,      ,  2.00,      ,  2.00"}));
  EXPECT_FALSE(f.OutputExists(u"LUGON_2.GRA"));
}

TEST(LugeonTest, TestsWithoutPointsAndTheNinthValueOf9999) {
  testing::SectionFixture f;
  RunContext& ctx = f.Start({u"4010 1 2 3 4 5 6 7 8", u"4010 3 4", u"5000 1"});
  EXPECT_EQ(RunLugeonSections(ctx), Flow::kContinue);
  EXPECT_EQ(f.OutputLines(u"PCNT.TXT").size(), 2u);
  EXPECT_TRUE(f.OutputExists(u"LUGON_2.TMP"));
  EXPECT_FALSE(f.OutputExists(u"LUGON_1.GRA"));

  LugeonTable tests;
  tests.count = 10;
  tests.values[10][8] = 9999;
  WriteLugeonSetupFiles(ctx, LugeonBaseName(10), 10, tests);
  EXPECT_EQ(f.OutputLines(u"LUGON_10.TMP")[10], u"1");
  EXPECT_EQ(f.OutputLines(u"LUGON_10.HED")[0], u" 10");
}

TEST(LugeonTest, AValueBeyondSinglePrecisionStopsTheRun) {
  testing::SectionFixture f;
  RunContext& ctx = f.Start({u"4010 1 2 3 4 5 6 1E40 8 2"});
  EXPECT_THROW(RunLugeonSections(ctx), RunError);
}

}  // namespace
}  // namespace bc

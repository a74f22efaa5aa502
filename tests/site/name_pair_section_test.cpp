#include <gtest/gtest.h>

#include <fstream>

#include "run/run_error.h"
#include "site/name_pair.h"
#include "site/site_sections.h"
#include "support/section_fixture.h"

namespace bc {
namespace {

using Lines = std::vector<std::u16string>;

TEST(NamePairTest, SplitsAtTheFirstTildeInFullWidth) {
  NamePair one = SplitNamePair(u"ｿｲﾙ12");
  EXPECT_EQ(one.first, u"ソイル１２");
  EXPECT_EQ(one.second, u"");
  NamePair range = SplitNamePair(u"AB～CD～E");
  EXPECT_EQ(range.first, u"ＡＢ");
  EXPECT_EQ(range.second, u"ＣＤ～Ｅ");
  NamePair open = SplitNamePair(u"～x");
  EXPECT_EQ(open.first, u"");
  EXPECT_EQ(open.second, u"x");
}

TEST(NamePairSectionTest, NewRangeTakesTheNextTwoCodes) {
  testing::SectionFixture f;
  f.WritePatdat(u"L19.TXT", {u" 1,ＸＸ", u"7,ＹＹ", u" 3,ＺＺ"});
  RunContext& ctx = f.Start({u"3070 2.50 AB～CD", u"4000 1"});
  EXPECT_EQ(RunNamePairSection(ctx), Flow::kContinue);
  EXPECT_EQ(ctx.Code(), 4000);
  EXPECT_EQ(f.OutputLines(u"R30.TXT"), (Lines{u"  1,   2.50, 8,ＡＢ, 9,ＣＤ"}));
  EXPECT_EQ(f.PatdatLines(u"L19.TXT"),
            (Lines{u" 1,ＸＸ", u"7,ＹＹ", u" 3,ＺＺ", u" 8,ＡＢ", u" 9,ＣＤ"}));
}

TEST(NamePairSectionTest, FoundCodesAreWrittenAsReadAndSecondRecordFindsTheFirst) {
  testing::SectionFixture f;
  f.WritePatdat(u"L19.TXT", {u" 3,ｿｲﾙ", u"12,ＱＱ"});
  RunContext& ctx = f.Start({u"3070 1.00 ｿｲﾙ", u"3070 2.00 NEW", u"3070 3.00 NEW～ｿｲﾙ"});
  EXPECT_EQ(RunNamePairSection(ctx), Flow::kEnd);
  EXPECT_EQ(f.OutputLines(u"R30.TXT"),
            (Lines{u"  1,   1.00,3,ソイル,  ,", u"  2,   2.00,13,ＮＥＷ,  ,",
                   u"  3,   3.00,13,ＮＥＷ,3,ソイル"}));
  EXPECT_EQ(f.PatdatLines(u"L19.TXT"), (Lines{u" 3,ｿｲﾙ", u"12,ＱＱ", u"13,ＮＥＷ"}));
}

TEST(NamePairSectionTest, CodesStopBelowOneHundred) {
  testing::SectionFixture f;
  f.WritePatdat(u"L19.TXT", {u"98,ＡＡ"});
  RunContext& ctx = f.Start({u"3070 1.00 B～C", u"3070 2.00 D"});
  EXPECT_EQ(RunNamePairSection(ctx), Flow::kEnd);
  EXPECT_EQ(f.OutputLines(u"R30.TXT"),
            (Lines{u"  1,   1.00,99,Ｂ,  ,Ｃ", u"  2,   2.00,  ,Ｄ,  ,"}));
  EXPECT_EQ(f.PatdatLines(u"L19.TXT"), (Lines{u"98,ＡＡ", u"99,Ｂ"}));
  std::vector<std::u16string> warnings = ctx.full_tables.Warnings();
  ASSERT_EQ(warnings.size(), 1u);
  EXPECT_NE(warnings[0].find(u"L19.TXT: "), std::u16string::npos);
  EXPECT_NE(warnings[0].find(u" 2 件"), std::u16string::npos);
}

TEST(NamePairSectionTest, OneNewNameTwiceInARangeTakesTwoCodes) {
  testing::SectionFixture f;
  f.WritePatdat(u"L19.TXT", {u"5,ＡＡ", u"6"});
  RunContext& ctx = f.Start({u"3070 1.00 X～X", u"3070 2.00 AA", u"3070 3.00 X"});
  EXPECT_EQ(RunNamePairSection(ctx), Flow::kEnd);
  // The entry "6" has no name: an empty second part does not take its code.
  // A later record finds the later entry, its code as read.
  EXPECT_EQ(f.OutputLines(u"R30.TXT"), (Lines{u"  1,   1.00, 7,Ｘ, 8,Ｘ", u"  2,   2.00,5,ＡＡ,  ,",
                                              u"  3,   3.00,8,Ｘ,  ,"}));
  EXPECT_EQ(f.PatdatLines(u"L19.TXT"), (Lines{u"5,ＡＡ", u"6", u" 7,Ｘ", u" 8,Ｘ"}));
}

TEST(NamePairSectionTest, AppendsAfterALastLineWithoutLineEnd) {
  testing::SectionFixture f;
  {
    std::ofstream out(f.PatdatPath(u"L19.TXT"), std::ios::binary);
    out << "1,\x82\x60";  // "1,Ａ" with no line end
  }
  RunContext& ctx = f.Start({u"3070 1.00 B"});
  RunNamePairSection(ctx);
  EXPECT_EQ(f.PatdatLines(u"L19.TXT"), (Lines{u"1,Ａ", u" 2,Ｂ"}));
}

TEST(NamePairSectionTest, MissingTableStopsTheRun) {
  testing::SectionFixture f;
  RunContext& ctx = f.Start({u"3070 1.00 B"});
  try {
    RunNamePairSection(ctx);
    FAIL() << "no error";
  } catch (const RunError& e) {
    EXPECT_NE(e.message().find(u"L19.TXT"), std::u16string::npos);
  }
}

TEST(NamePairSectionTest, NoRecordsGiveAnEmptyFile) {
  testing::SectionFixture f;
  RunContext& ctx = f.Start({u"3045 1"});
  EXPECT_EQ(RunNamePairSection(ctx), Flow::kContinue);
  EXPECT_EQ(f.OutputBytes(u"R30.TXT"), "");
}

}  // namespace
}  // namespace bc

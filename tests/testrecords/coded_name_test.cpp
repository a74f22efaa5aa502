#include "testrecords/coded_name_table.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "run/run_error.h"
#include "support/section_fixture.h"
#include "testrecords/test_sections.h"

namespace bc {
namespace {

using Lines = std::vector<std::u16string>;

TEST(CodedNameTest, TablesGrowAndKeepTheirCodes) {
  testing::SectionFixture f;
  f.WritePatdat(u"L18.TXT", {u"1,砂", u"9,ﾚｷ"});
  f.WritePatdat(u"L18B.TXT", {u"01,ｶ"});
  {
    // The last line has no line end: the first new entry must not merge into it.
    std::ofstream out(f.PatdatPath(u"L18B.TXT"), std::ios::binary | std::ios::app);
    out << "02,A";
  }
  RunContext& ctx = f.Start({
      u"5010 1.00 5 備考 レキ／Ａ",
      u"5010 2.00 -1 _ 新名",
      u"5010 3.00 1 ABCDEFGHIJKLMNOPQRSTUVWXYZA漢字 泥／新名",
      u"5010 4.00 2 x 泥／ｶ",
      u"5010 5.00 3 x 泥／B,C",
      u"5010 6.00 3 x B,C",
  });
  EXPECT_EQ(RunCodedNameSection(ctx), Flow::kEnd);
  const std::u16string blank30(30, u' ');
  EXPECT_EQ(f.OutputLines(u"R72.TXT"),
            (Lines{u"  1,   1.00,  5, 9,ﾚｷ,02,A,備考" + std::u16string(26, u' '),
                   u"  2,   2.00,   ,  ,,03,新名," + blank30,
                   u"  3,   3.00,  1,10,泥,03,新名,ABCDEFGHIJKLMNOPQRSTUVWXYZA漢 ",
                   u"  4,   4.00,  2,10,泥,01,ｶ,x" + std::u16string(29, u' '),
                   u"  5,   5.00,  3,10,泥,04,B,C,x" + std::u16string(29, u' '),
                   u"  6,   6.00,  3,  ,,04,B,C,x" + std::u16string(29, u' ')}));
  EXPECT_EQ(f.PatdatLines(u"L18.TXT"), (Lines{u"1,砂", u"9,ﾚｷ", u"10,泥"}));
  // A name holding a comma is quoted so that the next lookup reads it whole.
  EXPECT_EQ(f.PatdatLines(u"L18B.TXT"), (Lines{u"01,ｶ", u"02,A", u"03,新名", u"04,\"B,C\""}));
}

TEST(CodedNameTest, ATableHolding99IsFull) {
  testing::SectionFixture f;
  f.WritePatdat(u"L18B.TXT", {u"98,x"});
  RunContext& ctx = f.Start({u"5010 1"});
  EXPECT_EQ(LookUpCodedName(ctx, u"L18B.TXT", u"y"), u"99");
  EXPECT_EQ(LookUpCodedName(ctx, u"L18B.TXT", u"z"), u"  ");
  EXPECT_EQ(LookUpCodedName(ctx, u"L18B.TXT", u"z"), u"  ");
  EXPECT_EQ(LookUpCodedName(ctx, u"L18B.TXT", u"y"), u"99");
  EXPECT_EQ(f.PatdatLines(u"L18B.TXT"), (Lines{u"98,x", u"99,y"}));
  // Each meeting of a name left without a code is counted.
  std::vector<std::u16string> warnings = ctx.full_tables.Warnings();
  ASSERT_EQ(warnings.size(), 1u);
  EXPECT_EQ(warnings[0].rfind(u"P:\\L18B.TXT: ", 0), 0u);
  EXPECT_NE(warnings[0].find(u" 2 件"), std::u16string::npos);
}

TEST(CodedNameTest, AMissingTableStopsTheRunWhenANameNeedsIt) {
  testing::SectionFixture f;
  f.WritePatdat(u"L18B.TXT", {});
  RunContext& ctx = f.Start({u"5010 1 1 x name"});
  EXPECT_EQ(LookUpCodedName(ctx, u"L18.TXT", u" "), u"  ");  // a blank name opens nothing
  try {
    LookUpCodedName(ctx, u"L18.TXT", u"first");
    FAIL() << "no error for a missing table";
  } catch (const RunError& error) {
    EXPECT_NE(error.message().find(u"L18.TXT"), std::u16string::npos);
  }
}

}  // namespace
}  // namespace bc

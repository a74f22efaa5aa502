#include "titles/title_outputs.h"

#include <gtest/gtest.h>

#include "support/section_fixture.h"

namespace bc {
namespace {

// Applies header lines and returns the blocks.
TitleBlocks Apply(const std::vector<std::u16string>& lines, std::vector<CodeName> l1 = {}) {
  TitleBlocks titles;
  Record record;
  for (const std::u16string& line : lines) {
    EXPECT_TRUE(SplitRecord(line, record));
    ApplyHeaderRecord(record, titles, [&l1] { return l1; });
  }
  return titles;
}

TEST(TitleBlocksTest, TitlePiecesAppendInFileOrder) {
  TitleBlocks t = Apply({u"1000 東京都", u"1001 _港区", u"1002", u"1006 a -1 c"});
  EXPECT_EQ(t.block1[1], u"東京都 港区");
  EXPECT_EQ(t.block1[3], std::u16string(20, u' '));
  EXPECT_EQ(t.block1[11], u"a");
  EXPECT_EQ(t.block1[12], u" ");
}

TEST(TitleBlocksTest, EraDates) {
  TitleBlocks t = Apply({u"1009 平成12 -1 4 1 -1 -1 -1"});
  EXPECT_EQ(t.block1[4], u"2000");
  EXPECT_EQ(t.block1[5], u"4");
  EXPECT_EQ(t.block1[6], u"1");
  EXPECT_EQ(t.block1[7], u"2000");
  EXPECT_EQ(t.block1[8], u" ");
  EXPECT_EQ(t.block1[9], u" ");

  t = Apply({u"1009 昭和 63 4 1 1999 3 31"});
  EXPECT_EQ(t.block1[4], u"1988");
  EXPECT_EQ(t.block1[7], u"1999");
  EXPECT_EQ(t.block1[9], u"31");

  t = Apply({u"1009 -1 -1 -1 -1 -1 -1 -1"});  // no era: the first era with year 0
  EXPECT_EQ(t.block1[4], u"1988");
  EXPECT_EQ(t.block1[7], u"1988");
  EXPECT_EQ(t.block1[5], u" ");

  t = Apply({u"1009 大正5 -1 1 1 1920 1 1"});
  EXPECT_EQ(t.block1[4], u"1916");
  EXPECT_EQ(t.block1[7], u"1920");
}

TEST(TitleBlocksTest, PrefixedNumberLookedUpInL1) {
  std::vector<CodeName> l1 = {{u"01", u"ＴＰ"}, {u"02", u"ＡＰ"}};
  TitleBlocks t = Apply({u"1013 T.P.+12.50 -1 5 6"}, l1);
  EXPECT_EQ(t.block2[17], u"01");
  EXPECT_EQ(t.block2[18], u"ＴＰ");
  EXPECT_EQ(t.block2[19], u"+12.50");
  EXPECT_EQ(t.block2[25], u"0");
  EXPECT_EQ(t.block2[26], u"5");

  t = Apply({u"1013 12.5"}, l1);
  EXPECT_EQ(t.block2[17], u"  ");
  EXPECT_EQ(t.block2[18], u"  ");
  EXPECT_EQ(t.block2[19], u"12.5");

  t = Apply({u"1013 ａｐ-3.2m"}, l1);  // half-width, upper case, cut after the last digit
  EXPECT_EQ(t.block2[17], u"02");
  EXPECT_EQ(t.block2[19], u"-3.2");

  t = Apply({u"1013 @"}, l1);
  EXPECT_EQ(t.block2[19], u"        ");
}

TEST(TitleBlocksTest, DateYearIsAWholeNumberAboveZero) {
  TitleBlocks t;
  t.block1[4] = u" 2000 ";
  EXPECT_EQ(DateYear(t), u"2000");
  t.block1[4] = u" ";
  EXPECT_EQ(DateYear(t), u"0");
  t.block1[4] = u"20.5";
  EXPECT_EQ(DateYear(t), u"0");
}

TEST(TitleFilesTest, ControlFileFromTheDestination) {
  testing::SectionFixture f;
  RunContext& ctx = f.Start({u"QVN"});
  WriteControlFile(ctx, u"C:\\Q\\ABCDEF\\G\\");
  EXPECT_EQ(
      f.OutputLines(u"CNT.TXT"),
      (std::vector<std::u16string>{u"ABCD", u"G", u"", u"4   ", u"1", u"50", u"", u"", u"", u""}));
  WriteControlFile(ctx, u"C:\\");
  EXPECT_EQ(f.OutputLines(u"CNT.TXT")[0], u"");
  WriteControlFile(ctx, u"C:\\a\\砂礫砂\\");
  EXPECT_EQ(f.OutputLines(u"CNT.TXT")[0], u"砂礫");
}

TEST(TitleFilesTest, TitleFilesHaveFixedLineCounts) {
  testing::SectionFixture f;
  RunContext& ctx = f.Start({u"QVN"});
  TitleBlocks t = Apply({u"1012 a b c d"});
  WriteTitleFiles(ctx, t);
  auto first = f.OutputLines(u"TITL01.TXT");
  auto second = f.OutputLines(u"TITL02.TXT");
  ASSERT_EQ(first.size(), 23u);
  ASSERT_EQ(second.size(), 41u);
  EXPECT_EQ(first[20], u"a");
  EXPECT_EQ(first[21], u"b");
  EXPECT_EQ(second[15], u"c");
  EXPECT_EQ(second[14], u"d");
}

}  // namespace
}  // namespace bc

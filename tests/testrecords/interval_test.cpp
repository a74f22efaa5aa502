#include "testrecords/interval_line.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "support/section_fixture.h"
#include "testrecords/kind_legend.h"
#include "testrecords/test_sections.h"
#include "text/str_form.h"

namespace bc {
namespace {

using Lines = std::vector<std::u16string>;

// Columns 9 to 68, each after its comma; unnamed columns are empty.
std::u16string KindColumns(const std::map<int, std::u16string>& filled) {
  std::u16string text;
  for (int column = 9; column <= 68; ++column) {
    auto it = filled.find(column);
    text += u"," + (it == filled.end() ? std::u16string() : it->second);
  }
  return text;
}

TEST(IntervalTest, NamesMatchInEitherWidth) {
  EXPECT_TRUE(NameMatches(u"ｿｲﾙ", u"黒色ソイル"));
  EXPECT_TRUE(NameMatches(u"ＡＢ", u"xAB"));
  EXPECT_FALSE(NameMatches(u"ＡＢ", u"xA"));
  EXPECT_FALSE(NameMatches(u"", u"anything"));
}

TEST(IntervalTest, KindColumnsLengthAndTheFollowingRecord) {
  testing::SectionFixture f;
  RunContext& ctx = f.Start({u"3030 2.20 3.30 砂質土 A、B", u"3030 1.00 0 粘土 C，D,E",
                             u"3030 1.00 _ ﾚｷ ABCDEFGHIJ", u"3030 5 6 不明 x", u"3040 9.5 y"});
  ctx.tables.l8 = {{u"1", u"砂"}, {u"2.4", u"粘土"}, {u"3", u"礫"}, {u"4", u"レキ"}};
  EXPECT_EQ(RunIntervalSection(ctx), Flow::kContinue);
  const std::u16string head = u",      ,  ,  ,";
  EXPECT_EQ(f.OutputLines(u"X7.TXT"),
            (Lines{u"  1" + head + u"   2.20,   3.30,   ,109" +
                       KindColumns({{9, u"1"},
                                    {10, u"1"},
                                    {29, u"砂"},
                                    {30, u"砂"},
                                    {49, u"A        "},
                                    {50, u"B        "}}),
                   u"  2" + head + u"   1.00,      0,   ,  0" +
                       KindColumns({{10, u"2"},
                                    {11, u"2"},
                                    {30, u"粘土"},
                                    {31, u"粘土"},
                                    {50, u"C        "},
                                    {51, u"D,E      "}}),
                   u"  3" + head + u"   1.00,       ,   ,  0" +
                       KindColumns({{11, u"4"},
                                    {12, u"4"},
                                    {31, u"レキ"},
                                    {32, u"レキ"},
                                    {51, u"ABCDEFGH"},
                                    {52, u"         "}}),
                   u"  4" + head + u"      5,      6,   ,100" + KindColumns({})}));
  EXPECT_EQ(ctx.Code(), 3040);
  EXPECT_EQ(ctx.record().Field(3), u"y");
  EXPECT_EQ(ctx.current_line(), u"3040 9.5 y");
}

TEST(IntervalTest, AnEleventhKindGetsNoColumnsAndTheEndStillWrites) {
  testing::SectionFixture f;
  const std::u16string names = u"甲乙丙丁戊己庚辛壬癸子";
  Lines source;
  for (char16_t name : names) source.push_back(u"3030 1 2 " + std::u16string(1, name) + u" x");
  source.push_back(u"3030 1 2 甲 y");
  RunContext& ctx = f.Start(source);
  for (std::size_t i = 0; i < names.size(); ++i) {
    ctx.tables.l8.push_back({StrInteger(static_cast<long long>(i + 1)), names.substr(i, 1)});
  }
  EXPECT_EQ(RunIntervalSection(ctx), Flow::kEnd);
  Lines lines = f.OutputLines(u"X7.TXT");
  ASSERT_EQ(lines.size(), 12u);
  const std::u16string head = u",      ,  ,  ,      1,      2,   ,100";
  EXPECT_EQ(lines[9], u" 10" + head +
                          KindColumns({{18, u"10"},
                                       {19, u"10"},
                                       {38, u"癸"},
                                       {39, u"癸"},
                                       {58, u"x       "},
                                       {59, u"         "}}));
  EXPECT_EQ(lines[10], u" 11" + head + std::u16string(60, u','));
  EXPECT_EQ(lines[11], u" 12" + head +
                           KindColumns({{9, u"1"},
                                        {10, u"1"},
                                        {29, u"甲"},
                                        {30, u"甲"},
                                        {49, u"y       "},
                                        {50, u"         "}}));
}

}  // namespace
}  // namespace bc

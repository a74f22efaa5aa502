#include "run/source_check.h"

#include <gtest/gtest.h>

#include "text/codepage.h"
#include "text/utf8.h"

namespace bc {
namespace {

std::vector<std::u16string> Check(const std::u16string& lines) {
  return CheckSourceNumbers(EncodeAnsi(u"QVN 5.0\r\n" + lines));
}

// One typing mistake per source, lines counted from the tag line.
TEST(SourceCheckTest, WarnsOfEachTypingMistakeWithLineFieldAndText) {
  struct Case {
    std::u16string lines;
    std::u16string warning;
  } cases[] = {
      {u"2000 ７．６０ 砂", u"警告: 2 行目 2 番目の項目「７．６０」は数値として 0 と読みました"},
      {u"2000 7.6O 砂", u"警告: 2 行目 2 番目の項目「7.6O」は数値として 7.6 と読みました"},
      {u"1003 x\r\n2000 l2.0 砂", u"警告: 3 行目 2 番目の項目「l2.0」は数値として 0 と読みました"},
      {u"3010　1.50 4",
       u"警告: 2 行目 1 番目の項目「3010　1.50」は数値として 3010 "
       u"と読みました（全角の空白があります）"},
      {u"3000 1.15 1 1ｍ", u"警告: 2 行目 4 番目の項目「1ｍ」は数値として 1 と読みました"},
      {u"1009 平成12 -1 1O 2 -1 10 18",
       u"警告: 2 行目 4 番目の項目「1O」は数値として 1 と読みました"},
      {u"4000 1.15 1.45 10 10 10 1 2 1e1",
       u"警告: 2 行目 9 番目の項目「1e1」は数値として 10 と読みました"},
      {u"2000 5.20 a\r\n2000 2.50 b",
       u"警告: 3 行目 2 番目の項目「2.50」: 地層の下端が前の地層の下端（2 "
       u"行目「5.20」）より浅くなっています"},
      {u"2000 18.00 a\r\n3000 19.15 1 1",
       u"警告: 3 行目 2 番目の項目「19.15」: 深さが最も深い地層の下端（2 "
       u"行目「18.00」）より深くなっています"},
      {u"2000 18.00 a\r\n4010 16.00 18.50 9.8 12.5 66 1.50 1.85 3.2 5",
       u"警告: 3 行目 3 番目の項目「18.50」: 深さが最も深い地層の下端（2 "
       u"行目「18.00」）より深くなっています"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(ToUtf8(c.lines));
    EXPECT_EQ(Check(c.lines), std::vector<std::u16string>{c.warning});
  }
}

// What the format writes, and the fields that hold no number, pass unwarned.
TEST(SourceCheckTest, PlainRecordsPassSilently) {
  EXPECT_TRUE(
      Check(u"1003 ７号線\r\n1006 36 15 30.2\r\n1013 T.P.+12.50 18.00 90 -1\r\n"
            u"2000 0.80 盛土\r\n2000 0.80 同じ深さ\r\n2001 0.80 0.80 暗褐～灰褐 @ @ @ @ @ B 1\r\n"
            u"3000 .5 +1 -1\r\n3040 9999 9999 T\r\n3050 99.0 現場透水試験\r\n"
            u"5000 0.80 @ -1 200～240 100 20 晴 13 @ 17\r\n\r\n4011 2.45 2.60")
          .empty());
  // A missing depth (9999) is not compared.
  EXPECT_TRUE(Check(u"2000 7.0 a\r\n2000 9999 b\r\n3000 9999.0 1 1").empty());
  // Without a layer there is no bottom to be below.
  EXPECT_TRUE(Check(u"3000 19.15 1 1").empty());
}

TEST(SourceCheckTest, FindingsComeInLineOrder) {
  std::vector<std::u16string> warnings =
      Check(u"2000 9.0 a\r\n3000 10.0 1 x\r\n2000 8.0 b\r\n3010 ９ 1");
  ASSERT_EQ(warnings.size(), 4u);
  EXPECT_NE(warnings[0].find(u"3 行目 2 番目"), std::u16string::npos);  // below the bottom
  EXPECT_NE(warnings[1].find(u"3 行目 4 番目"), std::u16string::npos);
  EXPECT_NE(warnings[2].find(u"4 行目 2 番目"), std::u16string::npos);  // backwards
  EXPECT_NE(warnings[3].find(u"5 行目 2 番目"), std::u16string::npos);
}

}  // namespace
}  // namespace bc

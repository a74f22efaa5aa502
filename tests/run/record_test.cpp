#include "run/record.h"

#include <gtest/gtest.h>

#include "run/run_error.h"
#include "text/line_reader.h"

namespace bc {
namespace {

TEST(SplitRecordTest, CutsAtSingleSpacesAndAppliesFieldRules) {
  Record r;
  ASSERT_TRUE(SplitRecord(u"2000 1.50 砂質_シルト", r));
  EXPECT_EQ(r.count, 3);
  EXPECT_EQ(r.Field(1), u"2000");
  EXPECT_EQ(r.Field(2), u"1.50");
  EXPECT_EQ(r.Field(3), u"砂質 シルト");
  EXPECT_EQ(r.Code(), 2000);

  ASSERT_TRUE(SplitRecord(u"1003 @", r));
  EXPECT_EQ(r.Field(2), u" ");
  ASSERT_TRUE(SplitRecord(u"3000 9999", r));
  EXPECT_EQ(r.Field(2), u"0.0");
  ASSERT_TRUE(SplitRecord(u"3000 9999.00", r));
  EXPECT_EQ(r.Field(2), u"0.0");
  ASSERT_TRUE(SplitRecord(u"1003 A＿B", r));
  EXPECT_EQ(r.Field(2), u"A  B");
  ASSERT_TRUE(SplitRecord(u"1003 ＿＿A_＿_B＿ 9999", r));
  EXPECT_EQ(r.Field(2), u"    A    B  ");
  EXPECT_EQ(r.Field(3), u"0.0");
}

TEST(SplitRecordTest, EmptyFieldsFromExtraSpaces) {
  Record r;
  ASSERT_TRUE(SplitRecord(u"1003  ABC", r));
  EXPECT_EQ(r.count, 3);
  EXPECT_EQ(r.Field(2), u"");
  EXPECT_EQ(r.Field(3), u"ABC");
  ASSERT_TRUE(SplitRecord(u" 2000 ", r));
  EXPECT_EQ(r.count, 3);
  EXPECT_EQ(r.Code(), 0);
  ASSERT_TRUE(SplitRecord(u"", r));
  EXPECT_EQ(r.count, 1);
  EXPECT_EQ(r.Field(1), u"");
  EXPECT_EQ(r.Code(), 0);
}

TEST(SplitRecordTest, ShorterLineKeepsEarlierSlots) {
  Record r;
  ASSERT_TRUE(SplitRecord(u"a b c d e", r));
  ASSERT_TRUE(SplitRecord(u"x y", r));
  EXPECT_EQ(r.count, 2);
  EXPECT_EQ(r.Field(4), u"d");
  EXPECT_EQ(r.Field(101), u"");
}

TEST(SplitRecordTest, MoreThanOneHundredFieldsIsRefused) {
  Record r;
  std::u16string line = u"1";
  for (int i = 0; i < 99; ++i) line += u" x";
  EXPECT_TRUE(SplitRecord(line, r));
  EXPECT_EQ(r.count, 100);
  EXPECT_FALSE(SplitRecord(line + u" y", r));
  EXPECT_EQ(r.count, 100);
}

TEST(LineReaderTest, LinesEndAtCrLfOrBareCr) {
  LineReader reader;
  reader.OpenBytes("QVN\r\na\rb\nc\r\n\r\nlast");
  std::vector<std::u16string> lines;
  while (!reader.AtEnd()) lines.push_back(reader.ReadLine());
  EXPECT_EQ(lines, (std::vector<std::u16string>{u"QVN", u"a", u"b\nc", u"", u"last"}));
  EXPECT_EQ(reader.line_number(), 5);
}

TEST(LineReaderTest, DecodesShiftJisAndReportsLongLines) {
  LineReader reader;
  std::string long_line = "1";
  for (int i = 0; i < 100; ++i) long_line += " x";
  reader.OpenBytes("2000 1.0 \x8D\xBB\r\n" + long_line + "\r\n");
  Record r;
  ReadRecord(reader, r);
  EXPECT_EQ(r.Field(3), u"砂");
  EXPECT_EQ(r.line_number, 1);
  try {
    ReadRecord(reader, r);
    FAIL() << "a line of 101 fields was accepted";
  } catch (const RunError& e) {
    EXPECT_TRUE(e.at_current_line());
    EXPECT_EQ(r.line_number, 2);
  }
}

}  // namespace
}  // namespace bc

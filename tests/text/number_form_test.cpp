#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <random>
#include <string>

#include "text/fixed_width.h"
#include "text/numeric.h"
#include "text/str_form.h"

namespace bc {
namespace {

TEST(StrFormTest, ShortestTextWithSignColumn) {
  EXPECT_EQ(StrDouble(12.5), u" 12.5");
  EXPECT_EQ(StrDouble(3), u" 3");
  EXPECT_EQ(StrDouble(0.5), u" .5");
  EXPECT_EQ(StrDouble(-0.5), u"-.5");
  EXPECT_EQ(StrDouble(0), u" 0");
  EXPECT_EQ(StrDouble(-999), u"-999");
  EXPECT_EQ(StrInteger(1), u" 1");
  EXPECT_EQ(StrInteger(-12), u"-12");
}

TEST(StrFormTest, SinglePrecisionShowsSevenDigits) {
  EXPECT_EQ(StrSingle(0.29f), u" .29");
  EXPECT_EQ(StrSingle(2.58f), u" 2.58");
  EXPECT_EQ(StrSingle(1234567.0f), u" 1234567");
  EXPECT_EQ(StrSingle(12345678.0f), u" 1.234568E+07");
  EXPECT_EQ(StrSingle(0.1f), u" .1");
  EXPECT_EQ(StrSingle(1.0f / 3.0f), u" .3333333");
  EXPECT_EQ(StrDouble(static_cast<double>(0.29f)), u" .28999999165535");
}

TEST(StrFormTest, DoublePrecisionShowsFifteenDigits) {
  EXPECT_EQ(StrDouble(123456789012345.0), u" 123456789012345");
  EXPECT_EQ(StrDouble(1234567890123456.0), u" 1.23456789012346E+15");
  EXPECT_EQ(StrDouble(0.1 + 0.2), u" .3");
  EXPECT_EQ(StrDouble(1.0 / 3.0), u" .333333333333333");
}

TEST(StrFormTest, ExponentFormBelowOneTenThousandth) {
  EXPECT_EQ(StrDouble(0.0001), u" .0001");
  EXPECT_EQ(StrDouble(0.00001), u" 1E-05");
  EXPECT_EQ(StrDouble(-0.000012), u"-1.2E-05");
  EXPECT_EQ(StrSingle(0.00001f), u" 1E-05");
}

TEST(StrFormTest, RightFitKeepsTheLastCharacters) {
  EXPECT_EQ(RightFit(u" 1", 3), u"  1");
  EXPECT_EQ(RightFit(u" 1000", 3), u"000");
  EXPECT_EQ(RightFit(u"1.5", 7), u"    1.5");
  EXPECT_EQ(RightFit(u"123456789", 7), u"3456789");
}

TEST(NumericValueTest, ReadsTheLeadingNumber) {
  EXPECT_EQ(NumericValue(u"12.5m"), 12.5);
  EXPECT_EQ(NumericValue(u"-1"), -1);
  EXPECT_EQ(NumericValue(u""), 0);
  EXPECT_EQ(NumericValue(u"@"), 0);
  EXPECT_EQ(NumericValue(u"QVN"), 0);
  EXPECT_EQ(NumericValue(u"1,000"), 1);
  EXPECT_EQ(NumericValue(u"+2000"), 2000);
  EXPECT_EQ(NumericValue(u"2000.0"), 2000);
  EXPECT_EQ(NumericValue(u".5"), 0.5);
  EXPECT_EQ(NumericValue(u"-.5"), -0.5);
  EXPECT_EQ(NumericValue(u"1.2.3"), 1.2);
}

TEST(NumericValueTest, SkipsBlanksAnywhere) {
  EXPECT_EQ(NumericValue(u"  1 2 . 5"), 12.5);
  EXPECT_EQ(NumericValue(u" - 3"), -3);
}

TEST(NumericValueTest, ExponentsAndRadixPrefixes) {
  EXPECT_EQ(NumericValue(u"1E3"), 1000);
  EXPECT_EQ(NumericValue(u"1D2"), 100);
  EXPECT_EQ(NumericValue(u"2.5e-1x"), 0.25);
  EXPECT_EQ(NumericValue(u"1E"), 1);
  EXPECT_EQ(NumericValue(u"&H1F"), 31);
  EXPECT_EQ(NumericValue(u"&HFFFF"), -1);
  EXPECT_EQ(NumericValue(u"&O17"), 15);
  EXPECT_EQ(NumericValue(u"&X1"), 0);
}

// Short plain decimals take a quicker path than the C library's reading;
// every one must still give the very same double.
TEST(NumericValueTest, PlainDecimalsEqualTheLibrarysReading) {
  std::mt19937_64 random(2026);
  for (int n = 0; n < 200000; ++n) {
    std::string text = n % 3 == 0 ? "-" : "";
    int digits = 1 + static_cast<int>(random() % 17);
    int point = static_cast<int>(random() % (digits + 1));
    for (int d = 0; d < digits; ++d) {
      if (d == point && d > 0) text += '.';
      text += static_cast<char>('0' + random() % 10);
    }
    double expected = std::strtod(text.c_str(), nullptr);
    double actual = NumericValue(std::u16string(text.begin(), text.end()));
    ASSERT_EQ(std::memcmp(&expected, &actual, sizeof expected), 0) << text;
  }
}

TEST(RoundingTest, HalvesGoToEven) {
  EXPECT_EQ(RoundHalfEven(2.5), 2);
  EXPECT_EQ(RoundHalfEven(3.5), 4);
  EXPECT_EQ(RoundHalfEven(-2.5), -2);
  EXPECT_EQ(ToInt16(32767.4), std::optional<std::int16_t>(32767));
  EXPECT_EQ(ToInt16(32767.5), std::nullopt);
  EXPECT_EQ(ToInt16(-32768.5), std::optional<std::int16_t>(-32768));
}

TEST(FormatFixed2Test, TwoTruncatedDecimals) {
  EXPECT_EQ(FormatFixed2(7, 12.0), u"  12.00");
  EXPECT_EQ(FormatFixed2(7, 12.5), u"  12.50");
  EXPECT_EQ(FormatFixed2(7, 12.345), u"  12.34");
  EXPECT_EQ(FormatFixed2(7, 0.5), u"   0.50");
  EXPECT_EQ(FormatFixed2(7, -0.5), u"  -0.50");
  EXPECT_EQ(FormatFixed2(7, -12.5), u" -12.50");
  EXPECT_EQ(FormatFixed2(7, -999.0), u"-999.00");
  EXPECT_EQ(FormatFixed2(7, 123456.5), u"3456.50");
  EXPECT_EQ(FormatFixed2(5, 0.0), u" 0.00");
}

TEST(FormatFixed2Test, SinglePrecisionStartsFromItsOwnForm) {
  EXPECT_EQ(FormatFixed2(7, 0.29f), u"   0.29");
  EXPECT_EQ(FormatFixed2(7, static_cast<double>(0.29f)), u"   0.28");
  EXPECT_EQ(FormatFixed2(6, 1.1f), u"  1.10");
}

TEST(FormatFixed2Test, ExponentFormsAreWrittenOut) {
  // A Str form in exponent form would otherwise give "1E-05.00".
  EXPECT_EQ(FormatFixed2(7, 0.00001), u"   0.00");
  EXPECT_EQ(FormatFixed2(7, -0.000012), u"  -0.00");
  EXPECT_EQ(FormatFixed2(6, 0.00001f), u"  0.00");
  EXPECT_EQ(FormatFixed2(20, 1.5e15), u" 1500000000000000.00");
  EXPECT_EQ(FormatFixed2(12, 12345678.0f), u" 12345680.00");
}

TEST(FitToWidthTest, PadsOrCutsInBytes) {
  EXPECT_EQ(FitToWidth(u" ", 20), std::u16string(20, u' '));
  EXPECT_EQ(FitToWidth(u"ABC", 5), u"ABC  ");
  EXPECT_EQ(FitToWidth(u"砂礫", 3), u"砂 ");
  EXPECT_EQ(FitToWidth(u"砂礫", 4), u"砂礫");
  EXPECT_EQ(FitToWidth(u"a砂礫", 4), u"a砂 ");
  EXPECT_EQ(FitToWidth(u"abcdef", 4), u"abcd");
  EXPECT_EQ(FitToWidth(u"", 0), u"");
}

}  // namespace
}  // namespace bc

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

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

TEST(StrFormTest, NonFiniteValues) {
  EXPECT_EQ(StrDouble(std::numeric_limits<double>::quiet_NaN()), u"NaN");
  EXPECT_EQ(StrDouble(std::numeric_limits<double>::infinity()), u" Inf");
  EXPECT_EQ(StrSingle(-std::numeric_limits<float>::infinity()), u"-Inf");
  EXPECT_EQ(StrDouble(-0.0), u" 0");
}

// The Str form as printf's "%.*G" gives it: every digit and every rounding
// is the C library's, whatever the formatter does inside.
std::u16string PrintfStrForm(double value, int digits) {
  if (value == 0) return u" 0";
  char text[64];
  std::snprintf(text, sizeof text, "%.*G", digits, std::fabs(value));
  std::string body = text[0] == '0' ? text + 1 : text;
  body.insert(0, std::signbit(value) ? "-" : " ");
  return std::u16string(body.begin(), body.end());
}

TEST(StrFormTest, AgreesWithPrintfOverManyValues) {
  std::vector<double> values = {
      // Rounding edges at both precisions, and where the exponent form starts.
      1e-5, 9.99999999999999e-5, 1e-4, 0.00012345678901234567, 0.1, 0.5, 1, 9.5, 99.95, 999999.95,
      9999999.5, 99999995, 999999999999999.5, 1e15, 1e16, 1e100, 1e-100,
      // Exact halves at the 15th digit.
      1234567890123445.0, 1234567890123455.0,
      // The ends of the range.
      0x1p-1074, std::numeric_limits<double>::max(), std::numeric_limits<double>::min()};
  std::mt19937_64 random(7);
  for (int n = 0; n < 100000; ++n) {
    std::uint64_t bits = random();
    double any;
    std::memcpy(&any, &bits, sizeof any);
    if (std::isfinite(any)) values.push_back(any);
    // Depths and readings as records hold them: few digits, small exponents.
    double decimal = static_cast<double>(random() % 10000000) / std::pow(10.0, random() % 12);
    values.push_back(random() % 2 ? -decimal : decimal);
    values.push_back(
        std::ldexp(static_cast<double>(random() % 100000), -static_cast<int>(random() % 40)));
  }
  for (double value : values) {
    ASSERT_EQ(StrDouble(value), PrintfStrForm(value, 15)) << value;
    float single = static_cast<float>(value);
    if (std::isfinite(single)) {
      ASSERT_EQ(StrSingle(single), PrintfStrForm(static_cast<double>(single), 7)) << value;
    }
  }
}

TEST(StrFormTest, SingleHalvesAtTheSeventhDigit) {
  // Exactly representable halves: printf rounds them to the even digit.
  for (float value : {1234564.5f, 1234565.5f, 0.5f, 12345645.0f, 12345655.0f, 8388607.5f}) {
    EXPECT_EQ(StrSingle(value), PrintfStrForm(static_cast<double>(value), 7)) << value;
  }
  EXPECT_EQ(StrSingle(1234564.5f), u" 1234564");
  EXPECT_EQ(StrSingle(1234565.5f), u" 1234566");
}

TEST(StrFormTest, IntegersWithTheSignColumn) {
  EXPECT_EQ(StrInteger(0), u" 0");
  EXPECT_EQ(StrInteger(32767), u" 32767");
  EXPECT_EQ(StrInteger(-32768), u"-32768");
  EXPECT_EQ(StrInteger(std::numeric_limits<long long>::min()), u"-9223372036854775808");
  EXPECT_EQ(StrInteger(std::numeric_limits<long long>::max()), u" 9223372036854775807");
}

TEST(StrFormTest, RightFitKeepsTheLastCharacters) {
  EXPECT_EQ(RightFit(u" 1", 3), u"  1");
  EXPECT_EQ(RightFit(u" 1000", 3), u"000");
  EXPECT_EQ(RightFit(u"1.5", 7), u"    1.5");
  EXPECT_EQ(RightFit(u"123456789", 7), u"3456789");
  EXPECT_EQ(RightFit(u"abc", 3), u"abc");
  EXPECT_EQ(RightFit(u"", 2), u"  ");
  EXPECT_EQ(RightFit(u"abc", 0), u"");
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

// The quick reading of plain decimals must give, bit for bit, what the
// general reading gives, for every text it takes and every text it leaves.
TEST(NumericValueTest, QuickReadingAgreesWithTheGeneralOne) {
  std::vector<std::u16string> texts = {
      // Signs and points with and without digits.
      u"-0", u"+0", u"-.0", u".5", u"5.", u"-5.", u".", u"-", u"+", u"- 5", u"+-5", u"-+5",
      u"1.2.3", u"..5", u".-5",
      // Around 15 digits, leading zeros included.
      u"0000000000000001.5", u"123456789012345", u"1234567890123456", u"12345678901234.5",
      u"1234567890123.456", u"999999999999999", u"9999999999999999", u".000000000000001",
      // Blanks, exponents, radix prefixes and what ends a number.
      u"1 2 3", u"\t-\n1.5", u"1.5E", u"1.5e 2", u"1 D2", u"1.5x", u"12,5", u"&H10", u" &O7",
      u"+&H1", u"5&H1", u"9999", u"9999.000", u"09999", u"１２", u"5\u3000",
      std::u16string{u'5', u'\0', u'3'}};
  std::mt19937_64 random(2027);
  const std::u16string kEnds[] = {u"",   u"",  u"",   u"m", u",1", u"E2",  u"e-1", u"D",
                                  u"d+", u".", u".5", u"-", u"@",  u"～3", u"&H1"};
  for (int n = 0; n < 200000; ++n) {
    std::u16string text;
    if (random() % 4 == 0) text += random() % 2 ? u'-' : u'+';
    int digits = static_cast<int>(random() % 18);
    int point = static_cast<int>(random() % (digits + 2)) - 1;  // -1: no point
    for (int d = 0; d <= digits; ++d) {
      if (d == point) text += u'.';
      if (d < digits) text += static_cast<char16_t>(u'0' + (random() % 3 == 0 ? 0 : random() % 10));
    }
    text += kEnds[random() % std::size(kEnds)];
    for (int blanks = static_cast<int>(random() % 3); blanks > 0; --blanks) {
      text.insert(random() % (text.size() + 1), 1, u" \t\n"[random() % 3]);
    }
    texts.push_back(text);
  }
  for (const std::u16string& text : texts) {
    double quick = NumericValue(text);
    double general = internal::GeneralNumericValue(text);
    ASSERT_EQ(std::memcmp(&quick, &general, sizeof quick), 0)
        << std::string(text.begin(), text.end()) << ": " << quick << " vs " << general;
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

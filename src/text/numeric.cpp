#include "text/numeric.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>

namespace bc {
namespace {

bool IsBlank(char16_t c) { return c == u' ' || c == u'\t' || c == u'\n'; }
bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

// Skips blanks from position i and returns the next character, 0 at the end.
char16_t Peek(std::u16string_view text, std::size_t& i) {
  while (i < text.size() && IsBlank(text[i])) ++i;
  return i < text.size() ? text[i] : u'\0';
}

int DigitValue(char16_t c) {
  if (IsDigit(c)) return c - u'0';
  if (c >= u'a' && c <= u'f') return c - u'a' + 10;
  if (c >= u'A' && c <= u'F') return c - u'A' + 10;
  return 99;
}

// "&H" and "&O" numbers are 16-bit when they fit four hexadecimal digits,
// 32-bit otherwise, and wrap to negative values as the integer types do.
double ReadRadix(std::u16string_view text, std::size_t i, int radix) {
  unsigned long long value = 0;
  int digits = 0;
  for (char16_t c = Peek(text, i); DigitValue(c) < radix && digits < 22; c = Peek(text, ++i)) {
    value = value * static_cast<unsigned>(radix) + static_cast<unsigned>(DigitValue(c));
    ++digits;
  }
  if (value <= 0xFFFF)
    return value > 0x7FFF ? static_cast<double>(value) - 65536.0 : static_cast<double>(value);
  value &= 0xFFFFFFFFull;
  return value > 0x7FFFFFFF ? static_cast<double>(value) - 4294967296.0
                            : static_cast<double>(value);
}

constexpr double kPowersOfTen[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                   1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};

// At most 15 digits and the power of ten below them are exact doubles, so
// one correctly rounded division gives the very value strtod gives, at a
// fraction of the cost (records are read field by field, code by code).
double ScaledDigits(std::int64_t digits, int decimals, bool negative) {
  double value = static_cast<double>(digits) / kPowersOfTen[decimals < 0 ? 0 : decimals];
  return negative ? -value : value;
}

// A plain decimal ("-12", "1.15") of at most 15 digits without an exponent.
std::optional<double> ExactDecimal(std::string_view number) {
  bool negative = !number.empty() && number[0] == '-';
  if (!number.empty() && (number[0] == '-' || number[0] == '+')) number.remove_prefix(1);
  std::int64_t digits = 0;
  int count = 0;
  int decimals = -1;  // digits after the point, once one is met
  for (char c : number) {
    if (c == '.') {
      decimals = 0;
      continue;
    }
    if (c < '0' || c > '9' || ++count > 15) return std::nullopt;
    digits = digits * 10 + (c - '0');
    if (decimals >= 0) ++decimals;
  }
  return ScaledDigits(digits, decimals, negative);
}

// The same plain decimals read straight from the text, blanks skipped, with
// no copy: nearly every field and code is one. Nothing when the text needs
// the general reading (no digit, a radix prefix, more than 15 digits, or
// what may start an exponent).
std::optional<double> PlainDecimal(std::u16string_view text) {
  bool negative = false;
  bool sign_allowed = true;
  std::int64_t digits = 0;
  int count = 0;
  int decimals = -1;
  char16_t end = u'\0';  // the character after the number
  for (char16_t c : text) {
    if (IsBlank(c)) continue;
    if (IsDigit(c)) {
      if (++count > 15) return std::nullopt;
      digits = digits * 10 + (c - u'0');
      if (decimals >= 0) ++decimals;
    } else if (c == u'.' && decimals < 0) {
      decimals = 0;
    } else if ((c == u'+' || c == u'-') && sign_allowed) {
      negative = c == u'-';
    } else {
      end = c;
      break;
    }
    sign_allowed = false;
  }
  if (count == 0 || end == u'E' || end == u'e' || end == u'D' || end == u'd') return std::nullopt;
  return ScaledDigits(digits, decimals, negative);
}

}  // namespace

double NumericValue(std::u16string_view text) {
  if (std::optional<double> value = PlainDecimal(text)) return *value;
  return internal::GeneralNumericValue(text);
}

namespace internal {

double GeneralNumericValue(std::u16string_view text) {
  std::size_t i = 0;
  if (Peek(text, i) == u'&' && i + 1 < text.size()) {
    char16_t kind = text[i + 1];
    if (kind == u'H' || kind == u'h') return ReadRadix(text, i + 2, 16);
    if (kind == u'O' || kind == u'o') return ReadRadix(text, i + 2, 8);
    return 0;
  }
  std::string number;  // the number's characters with the blanks taken out
  char16_t c = Peek(text, i);
  if (c == u'+' || c == u'-') {
    number.push_back(static_cast<char>(c));
    c = Peek(text, ++i);
  }
  bool any_digit = false;
  for (; IsDigit(c); c = Peek(text, ++i)) {
    number.push_back(static_cast<char>(c));
    any_digit = true;
  }
  if (c == u'.') {
    number.push_back('.');
    for (c = Peek(text, ++i); IsDigit(c); c = Peek(text, ++i)) {
      number.push_back(static_cast<char>(c));
      any_digit = true;
    }
  }
  if (!any_digit) return 0;
  if (c == u'E' || c == u'e' || c == u'D' || c == u'd') {
    std::string exponent = "e";
    c = Peek(text, ++i);
    if (c == u'+' || c == u'-') {
      exponent.push_back(static_cast<char>(c));
      c = Peek(text, ++i);
    }
    bool exponent_digit = false;
    for (; IsDigit(c); c = Peek(text, ++i)) {
      exponent.push_back(static_cast<char>(c));
      exponent_digit = true;
    }
    if (exponent_digit) number += exponent;
  }
  if (std::optional<double> value = ExactDecimal(number)) return *value;
  return std::strtod(number.c_str(), nullptr);
}

}  // namespace internal

double RoundHalfEven(double value) { return std::nearbyint(value); }

std::optional<std::int16_t> ToInt16(double value) {
  double rounded = RoundHalfEven(value);
  if (!(rounded >= -32768.0 && rounded <= 32767.0)) return std::nullopt;
  return static_cast<std::int16_t>(rounded);
}

}  // namespace bc

#include "text/str_form.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace bc {
namespace {

std::u16string Widen(const std::string& ascii) {
  return std::u16string(ascii.begin(), ascii.end());
}

// Shortest text of value with at most `digits` significant digits.
std::u16string Format(double value, int digits) {
  if (std::isnan(value)) return u"NaN";
  if (std::isinf(value)) return value < 0 ? u"-Inf" : u" Inf";
  std::string sign = std::signbit(value) && value != 0 ? "-" : " ";
  if (value == 0) return u" 0";

  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.*e", digits - 1, std::fabs(value));
  std::string text(buffer);
  std::size_t e = text.find('e');
  int exponent = std::atoi(text.c_str() + e + 1);
  std::string mantissa;  // significant digits without the point
  for (std::size_t i = 0; i < e; ++i) {
    if (text[i] != '.') mantissa.push_back(text[i]);
  }
  while (mantissa.size() > 1 && mantissa.back() == '0') mantissa.pop_back();

  std::string body;
  if (exponent >= digits || exponent < -4) {
    body = mantissa.substr(0, 1);
    if (mantissa.size() > 1) body += "." + mantissa.substr(1);
    char exp_text[16];
    std::snprintf(exp_text, sizeof exp_text, "E%c%02d", exponent < 0 ? '-' : '+',
                  std::abs(exponent));
    body += exp_text;
  } else if (exponent >= 0) {
    std::size_t integer_digits = static_cast<std::size_t>(exponent) + 1;
    if (mantissa.size() <= integer_digits) {
      body = mantissa + std::string(integer_digits - mantissa.size(), '0');
    } else {
      body = mantissa.substr(0, integer_digits) + "." + mantissa.substr(integer_digits);
    }
  } else {
    body = "." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + mantissa;
  }
  return Widen(sign + body);
}

}  // namespace

std::u16string StrSingle(float value) { return Format(static_cast<double>(value), 7); }

std::u16string StrDouble(double value) { return Format(value, 15); }

std::u16string StrInteger(long long value) {
  return Widen((value < 0 ? "" : " ") + std::to_string(value));
}

std::u16string RightFit(std::u16string_view text, std::size_t width) {
  std::u16string padded(width, u' ');
  padded.append(text);
  return padded.substr(padded.size() - width);
}

}  // namespace bc

#include "text/fixed_width.h"

#include <string>

#include "text/ansi_bytes.h"
#include "text/codepage.h"
#include "text/str_form.h"
#include "text/trim.h"

namespace bc {
namespace {

// "1.5E-05" as ".000015" and "1.5E+15" as "1500000000000000": the same
// digits without an exponent, in the Str form's own shape (no zero before
// the point), so that the decimals can be cut as for any other value.
std::u16string WithoutExponent(std::u16string_view s) {
  std::size_t e = s.find(u'E');
  if (e == std::u16string_view::npos) return std::u16string(s);
  std::u16string sign = s.front() == u'-' ? u"-" : u"";
  std::u16string digits;
  for (char16_t c : s.substr(0, e)) {
    if (c >= u'0' && c <= u'9') digits.push_back(c);
  }
  long exponent = std::stol(std::string(s.begin() + static_cast<std::ptrdiff_t>(e) + 1, s.end()));
  if (exponent < 0) {
    return sign + u"." + std::u16string(static_cast<std::size_t>(-exponent - 1), u'0') + digits;
  }
  std::size_t integer_digits = static_cast<std::size_t>(exponent) + 1;
  if (digits.size() <= integer_digits)
    return sign + digits.append(integer_digits - digits.size(), u'0');
  return sign + digits.substr(0, integer_digits) + u"." + digits.substr(integer_digits);
}

std::u16string FixedFromStrForm(int width, std::u16string_view str_form) {
  std::u16string s = WithoutExponent(TrimLeftBlanks(str_form));
  std::size_t point = s.find(u'.');
  if (point == std::u16string::npos) {
    s += u".00";
  } else {
    if (point == 0) {
      s.insert(0, u"0");
      ++point;
    } else if (s.compare(0, 2, u"-.") == 0) {
      s.insert(1, u"0");
      ++point;
    }
    std::size_t decimals = s.size() - point - 1;
    if (decimals == 1) {
      s += u"0";
    } else {
      s.resize(point + 3);
    }
  }
  return RightFit(s, width > 0 ? static_cast<std::size_t>(width) : 0);
}

}  // namespace

std::u16string FormatFixed2(int width, double value) {
  return FixedFromStrForm(width, StrDouble(value));
}

std::u16string FormatFixed2(int width, float value) {
  return FixedFromStrForm(width, StrSingle(value));
}

std::u16string FitToWidth(std::u16string_view source, int width) {
  std::size_t limit = width > 0 ? static_cast<std::size_t>(width) : 0;
  std::size_t size = AnsiSize(source);
  if (size <= limit) {
    std::u16string padded(source);
    padded.append(limit - size, u' ');
    return padded;
  }
  std::size_t sum = 0;
  for (char16_t c : source) {
    std::size_t char_width = static_cast<std::size_t>(AnsiCharWidth(c));
    sum += char_width;
    if (sum == limit) break;
    if (sum > limit) {
      if (char_width == 2) return AnsiLeftBytes(AnsiMidBytes(source, 1, limit - 1) + u"  ", limit);
      break;
    }
  }
  return AnsiLeftBytes(source, limit);
}

}  // namespace bc

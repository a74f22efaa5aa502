#include "text/str_form.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>
#include <string_view>

namespace bc {
namespace {

std::u16string Widen(std::string_view ascii) { return std::u16string(ascii.begin(), ascii.end()); }

// Shortest text of value with at most `digits` significant digits: printf's
// "%.*G" of its magnitude, ".5" for "0.5", after a sign column. to_chars
// with a precision writes exactly what printf writes in the "C" locale, and
// is several times cheaper; every number of every output passes here.
std::u16string Format(double value, int digits) {
  if (std::isnan(value)) return u"NaN";
  if (std::isinf(value)) return value < 0 ? u"-Inf" : u" Inf";
  if (value == 0) return u" 0";

  char buffer[32];  // "-" and "1.79769313486232e+308" at most
  buffer[0] = std::signbit(value) ? '-' : ' ';
  char* end = std::to_chars(buffer + 1, buffer + sizeof buffer, std::fabs(value),
                            std::chars_format::general, digits)
                  .ptr;
  std::replace(buffer + 1, end, 'e', 'E');
  if (buffer[1] == '0') {  // "0.5": the point follows the sign column directly
    buffer[1] = buffer[0];
    return Widen(std::string_view(buffer + 1, end));
  }
  return Widen(std::string_view(buffer, end));
}

}  // namespace

std::u16string StrSingle(float value) { return Format(static_cast<double>(value), 7); }

std::u16string StrDouble(double value) { return Format(value, 15); }

std::u16string StrInteger(long long value) {
  char buffer[24] = {' '};  // a space, then "-9223372036854775808" at most
  char* end = std::to_chars(buffer + 1, buffer + sizeof buffer, value).ptr;
  return Widen(std::string_view(value < 0 ? buffer + 1 : buffer, end));
}

std::u16string RightFit(std::u16string_view text, std::size_t width) {
  std::u16string fitted(width, u' ');
  std::size_t kept = std::min(text.size(), width);
  text.substr(text.size() - kept).copy(fitted.data() + (width - kept), kept);
  return fitted;
}

}  // namespace bc

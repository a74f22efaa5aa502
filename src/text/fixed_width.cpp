#include "text/fixed_width.h"

#include "text/ansi_bytes.h"
#include "text/codepage.h"
#include "text/str_form.h"
#include "text/trim.h"

namespace bc {
namespace {

std::u16string FixedFromStrForm(int width, std::u16string_view str_form) {
  std::u16string s(TrimLeftBlanks(str_form));
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
  if (AnsiSize(source) <= limit) {
    std::u16string padded(source);
    padded.append(limit, u' ');
    return AnsiLeftBytes(padded, limit);
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

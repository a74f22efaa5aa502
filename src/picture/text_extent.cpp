#include "picture/text_extent.h"

#include "text/codepage.h"

namespace bc {
namespace {

constexpr char16_t kEllipsis = u'\u2026';

double CharWidth(char16_t c, double size) {
  // Half-width katakana are single-byte in the code page and narrow on
  // screen; every other double-byte character is full width.
  return AnsiCharWidth(c) == 2 ? size : 0.6 * size;
}

}  // namespace

double EstimatedTextWidth(std::u16string_view text, double size) {
  double width = 0;
  for (char16_t c : text) width += CharWidth(c, size);
  return width;
}

std::u16string ElideToWidth(std::u16string_view text, double size, double width) {
  if (EstimatedTextWidth(text, size) <= width) return std::u16string(text);
  double room = width - CharWidth(kEllipsis, size);
  std::u16string kept;
  for (char16_t c : text) {
    room -= CharWidth(c, size);
    if (room < 0) break;
    kept += c;
  }
  if (kept.empty()) return {};
  return kept + kEllipsis;
}

}  // namespace bc

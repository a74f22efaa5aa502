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

std::u16string ElideStartToWidth(std::u16string_view text, double size, double width) {
  if (EstimatedTextWidth(text, size) <= width) return std::u16string(text);
  double room = width - CharWidth(kEllipsis, size);
  std::size_t kept = text.size();
  while (kept > 0 && (room -= CharWidth(text[kept - 1], size)) >= 0) --kept;
  if (kept == text.size()) return {};
  return kEllipsis + std::u16string(text.substr(kept));
}

std::vector<std::u16string> WrapToWidth(std::u16string_view text, double size, double width,
                                        std::size_t max_lines) {
  std::vector<std::u16string> lines;
  while (!text.empty() && lines.size() < max_lines) {
    if (lines.size() + 1 == max_lines) {
      std::u16string last = ElideToWidth(text, size, width);
      if (!last.empty()) lines.push_back(std::move(last));
      break;
    }
    std::size_t fits = 0;
    for (double used = 0; fits < text.size(); ++fits) {
      used += CharWidth(text[fits], size);
      if (used > width) break;
    }
    if (fits == 0) break;
    lines.emplace_back(text.substr(0, fits));
    text.remove_prefix(fits);
  }
  return lines;
}

}  // namespace bc

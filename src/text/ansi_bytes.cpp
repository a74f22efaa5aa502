#include "text/ansi_bytes.h"

#include <algorithm>

#include "text/codepage.h"

namespace bc {
namespace {

// The characters whose bytes all lie in the zero-based byte range [first, last).
std::u16string CharactersWithin(std::u16string_view text, std::size_t first, std::size_t last) {
  std::u16string out;
  std::size_t position = 0;
  for (char16_t c : text) {
    std::size_t width = static_cast<std::size_t>(AnsiCharWidth(c));
    if (position >= first && position + width <= last) out.push_back(c);
    position += width;
    if (position >= last) break;
  }
  return out;
}

}  // namespace

std::size_t AnsiSize(std::u16string_view text) {
  std::size_t size = 0;
  for (char16_t c : text) size += static_cast<std::size_t>(AnsiCharWidth(c));
  return size;
}

std::int16_t AnsiByteLength(std::u16string_view text) {
  return static_cast<std::int16_t>(std::min<std::size_t>(AnsiSize(text), 32767));
}

std::u16string AnsiLeftBytes(std::u16string_view text, std::size_t n) {
  return CharactersWithin(text, 0, n);
}

std::u16string AnsiRightBytes(std::u16string_view text, std::size_t n) {
  std::size_t size = AnsiSize(text);
  return CharactersWithin(text, n >= size ? 0 : size - n, size);
}

std::u16string AnsiMidBytes(std::u16string_view text, std::size_t start,
                            std::optional<std::size_t> n) {
  std::size_t first = start > 0 ? start - 1 : 0;
  std::size_t size = AnsiSize(text);
  std::size_t last = n.has_value() ? std::min(size, first + *n) : size;
  if (first >= last) return {};
  return CharactersWithin(text, first, last);
}

}  // namespace bc

#include "text/separators.h"

#include <algorithm>

namespace bc {

std::int16_t CountSeparators(std::u16string_view text, std::u16string_view separators) {
  std::size_t count = 0;
  for (char16_t c : text) {
    if (separators.find(c) != std::u16string_view::npos) ++count;
  }
  return static_cast<std::int16_t>(std::min<std::size_t>(count, 32767));
}

std::size_t SplitAtSeparators(std::u16string_view text, std::u16string_view separators,
                              std::vector<std::u16string>& parts) {
  std::size_t piece = 1;
  std::size_t start = 0;
  auto store = [&](std::u16string_view value) {
    if (parts.size() <= piece) parts.resize(piece + 1);
    parts[piece] = std::u16string(value);
  };
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (separators.find(text[i]) == std::u16string_view::npos) continue;
    store(text.substr(start, i - start));
    ++piece;
    start = i + 1;
  }
  store(text.substr(start));
  return piece;
}

}  // namespace bc

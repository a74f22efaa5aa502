// Trimming of blanks. A blank here is the space U+0020 only.
#ifndef BORINGCONV_TEXT_TRIM_H_
#define BORINGCONV_TEXT_TRIM_H_

#include <string_view>

namespace bc {

inline std::u16string_view TrimLeftBlanks(std::u16string_view text) {
  std::size_t first = text.find_first_not_of(u' ');
  return first == std::u16string_view::npos ? std::u16string_view() : text.substr(first);
}

inline std::u16string_view TrimRightBlanks(std::u16string_view text) {
  std::size_t last = text.find_last_not_of(u' ');
  return last == std::u16string_view::npos ? std::u16string_view() : text.substr(0, last + 1);
}

inline std::u16string_view TrimBlanks(std::u16string_view text) {
  return TrimRightBlanks(TrimLeftBlanks(text));
}

// Empty once the blanks are removed.
inline bool IsBlankText(std::u16string_view text) { return TrimBlanks(text).empty(); }

}  // namespace bc

#endif  // BORINGCONV_TEXT_TRIM_H_

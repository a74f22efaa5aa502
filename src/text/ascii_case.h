// Letter case of the ASCII letters only. File names, drive letters,
// encoding names and sampler letters compare alike in any case, while every
// other character (full-width letters, kana, kanji) stays as it is, as the
// file systems and tables that hold them treat it.
#ifndef BORINGCONV_TEXT_ASCII_CASE_H_
#define BORINGCONV_TEXT_ASCII_CASE_H_

#include <string>
#include <string_view>

namespace bc {

template <typename Char>
constexpr Char AsciiUpper(Char c) {
  return c >= Char('a') && c <= Char('z') ? static_cast<Char>(c - Char('a') + Char('A')) : c;
}

template <typename Char>
constexpr Char AsciiLower(Char c) {
  return c >= Char('A') && c <= Char('Z') ? static_cast<Char>(c - Char('A') + Char('a')) : c;
}

template <typename Char>
std::basic_string<Char> AsciiUpper(std::basic_string<Char> text) {
  for (Char& c : text) c = AsciiUpper(c);
  return text;
}

template <typename Char>
std::basic_string<Char> AsciiLower(std::basic_string<Char> text) {
  for (Char& c : text) c = AsciiLower(c);
  return text;
}

// The one case-blind comparison of names: equal once ASCII letters are
// upper-cased.
template <typename Char>
constexpr bool SameIgnoringAsciiCase(std::basic_string_view<Char> a,
                                     std::basic_string_view<Char> b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (AsciiUpper(a[i]) != AsciiUpper(b[i])) return false;
  }
  return true;
}

inline bool SameIgnoringAsciiCase(std::u16string_view a, std::u16string_view b) {
  return SameIgnoringAsciiCase<char16_t>(a, b);
}

inline bool SameIgnoringAsciiCase(std::string_view a, std::string_view b) {
  return SameIgnoringAsciiCase<char>(a, b);
}

}  // namespace bc

#endif  // BORINGCONV_TEXT_ASCII_CASE_H_

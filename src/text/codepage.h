// Code page 932, the Japanese ANSI code page, as Windows defines it.
//
// Text inside the program is UTF-16 with one code unit per character (the code
// page's repertoire lies in the Basic Multilingual Plane). Files are bytes of
// this code page. The tables are built once from the platform's converter and
// then used for every conversion, so both directions agree on every platform.
#ifndef BORINGCONV_TEXT_CODEPAGE_H_
#define BORINGCONV_TEXT_CODEPAGE_H_

#include <string>
#include <string_view>

namespace bc {

inline constexpr char16_t kReplacementChar = u'\uFFFD';

// Bytes to text. An invalid or truncated sequence becomes U+FFFD.
std::u16string DecodeAnsi(std::string_view bytes);

// Text to bytes. A character the code page lacks becomes "?".
std::string EncodeAnsi(std::u16string_view text);

// Number of code-page bytes of one character: 2 for a double-byte character,
// 1 otherwise (a character the code page lacks is written as one "?").
int AnsiCharWidth(char16_t c);

}  // namespace bc

#endif  // BORINGCONV_TEXT_CODEPAGE_H_

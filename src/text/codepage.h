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

// The bytes that start a double-byte character, and those that may end one.
inline bool IsAnsiLeadByte(unsigned b) {
  return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}
inline bool IsAnsiTrailByte(unsigned b) { return b >= 0x40 && b <= 0xFC && b != 0x7F; }

// Reads bytes one character at a time exactly as DecodeAnsi does, for loops
// that look at each character once and keep none (hashing, comparing).
class AnsiCharReader {
 public:
  explicit AnsiCharReader(std::string_view bytes);
  bool AtEnd() const { return at_ == end_; }
  char16_t Next();

 private:
  const unsigned char* at_;
  const unsigned char* end_;
  const char16_t* single_;  // by byte
  const char16_t* pair_;    // by lead << 8 | trail, 0 when unmapped
};

inline char16_t AnsiCharReader::Next() {
  unsigned b = *at_++;
  if (b < 0x80) return static_cast<char16_t>(b);
  if (!IsAnsiLeadByte(b)) return single_[b];
  // A lead byte truncated at the end, or before a byte that cannot follow
  // it, stands alone; that next byte is read anew.
  if (at_ == end_ || !IsAnsiTrailByte(*at_)) return kReplacementChar;
  char16_t c = pair_[b << 8 | *at_++];
  return c == 0 ? kReplacementChar : c;
}

// Text to bytes. A character the code page lacks becomes "?".
std::string EncodeAnsi(std::u16string_view text);

// Appends the bytes EncodeAnsi gives to *bytes, for a writer that reuses one
// buffer from line to line.
void AppendAnsi(std::u16string_view text, std::string* bytes);

// True when exactly one byte sequence decodes to c: not for a character the
// code page lacks, nor U+FFFD, nor one of the duplicates among the NEC and
// IBM extensions. Text made of such characters is found in bytes as its
// EncodeAnsi, and only there.
bool HasOneAnsiForm(char16_t c);

// True when the code page has bytes for c (EncodeAnsi does not write "?").
bool IsAnsiEncodable(char16_t c);

// Number of code-page bytes of one character: 2 for a double-byte character,
// 1 otherwise (a character the code page lacks is written as one "?").
int AnsiCharWidth(char16_t c);

}  // namespace bc

#endif  // BORINGCONV_TEXT_CODEPAGE_H_

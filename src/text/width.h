// Half-width and full-width forms of digits, capitals and katakana.
#ifndef BORINGCONV_TEXT_WIDTH_H_
#define BORINGCONV_TEXT_WIDTH_H_

#include <string>
#include <string_view>

namespace bc {

// "0" to "Z" become "０" to "Ｚ" and half-width katakana "ｦ" to "ﾝ" their
// full-width forms, one character at a time (ｶﾞ stays カ followed by ﾞ).
// Everything else is unchanged.
std::u16string ToFullWidth(std::u16string_view text);

// ToFullWidth of one character.
char16_t WidenHalfWidthChar(char16_t c);
inline char16_t FullWidthChar(char16_t c) {
  bool half = (c >= u'0' && c <= u'Z') || (c >= u'\uFF66' && c <= u'\uFF9D');
  return half ? WidenHalfWidthChar(c) : c;
}

// "０" to "Ｚ" become "0" to "Z" and katakana "ァ" to "ン" their half-width
// forms (ガ becomes ｶﾞ). ヮ, ヰ and ヱ have no half-width form and stay.
std::u16string ToHalfWidth(std::u16string_view text);

// ToHalfWidth of one character: one or two characters (a base and its
// sound mark) written to out; returns how many.
int HalfWidthChars(char16_t c, char16_t out[2]);

}  // namespace bc

#endif  // BORINGCONV_TEXT_WIDTH_H_

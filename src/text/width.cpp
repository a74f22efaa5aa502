#include "text/width.h"

namespace bc {
namespace {

// Full-width forms of the half-width katakana U+FF66 (ｦ) to U+FF9D (ﾝ).
constexpr char16_t kFullKatakana[] =
    u"ヲァィゥェォャュョッーアイウエオカキクケコサシスセソタチツテトナニヌネノ"
    u"ハヒフヘホマミムメモヤユヨラリルレロワン";
constexpr char16_t kFirstHalfKana = u'\uFF66';
constexpr char16_t kLastHalfKana = u'\uFF9D';
constexpr char16_t kVoicedMark = u'\uFF9E';      // ﾞ
constexpr char16_t kSemiVoicedMark = u'\uFF9F';  // ﾟ
constexpr char16_t kWidthOffset = 0xFEE0;        // "０" - "0"

// Half-width form of one full-width katakana from ァ to ン: the base
// character, and the sound mark that follows it (0 for none). Returns false
// for ヮ, ヰ and ヱ.
bool HalfKatakana(char16_t c, char16_t* base, char16_t* mark) {
  *mark = 0;
  for (char16_t h = kFirstHalfKana; h <= kLastHalfKana; ++h) {
    if (c == kFullKatakana[h - kFirstHalfKana]) {
      *base = h;
      return true;
    }
  }
  // Voiced forms follow their plain form, semi-voiced ones the voiced form.
  for (char16_t h = u'\uFF76'; h <= kLastHalfKana; ++h) {  // from ｶ on
    char16_t full = kFullKatakana[h - kFirstHalfKana];
    bool ka_to_to = full >= u'カ' && full <= u'ト';
    bool ha_to_ho = full >= u'ハ' && full <= u'ホ';
    if ((ka_to_to || ha_to_ho) && c == full + 1) {
      *base = h;
      *mark = kVoicedMark;
      return true;
    }
    if (ha_to_ho && c == full + 2) {
      *base = h;
      *mark = kSemiVoicedMark;
      return true;
    }
  }
  return false;
}

}  // namespace

std::u16string ToFullWidth(std::u16string_view text) {
  std::u16string out(text);
  for (char16_t& c : out) c = FullWidthChar(c);
  return out;
}

char16_t WidenHalfWidthChar(char16_t c) {
  if (c >= u'0' && c <= u'Z') return static_cast<char16_t>(c + kWidthOffset);
  if (c >= kFirstHalfKana && c <= kLastHalfKana) return kFullKatakana[c - kFirstHalfKana];
  return c;
}

std::u16string ToHalfWidth(std::u16string_view text) {
  std::u16string out;
  out.reserve(text.size());
  char16_t chars[2];
  for (char16_t c : text) out.append(chars, static_cast<std::size_t>(HalfWidthChars(c, chars)));
  return out;
}

int HalfWidthChars(char16_t c, char16_t out[2]) {
  char16_t mark = 0;
  if (c >= u'０' && c <= u'Ｚ') {
    out[0] = static_cast<char16_t>(c - kWidthOffset);
  } else if (!(c >= u'ァ' && c <= u'ン' && HalfKatakana(c, &out[0], &mark))) {
    out[0] = c;
  }
  if (mark == 0) return 1;
  out[1] = mark;
  return 2;
}

}  // namespace bc

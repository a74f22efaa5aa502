#include "exchange/text_field.h"

#include <algorithm>
#include <iterator>

#include "exchange/compat_table.h"
#include "exchange/decimal.h"
#include "exchange/value_text.h"
#include "text/codepage.h"

namespace bc {
namespace {

bool IsBlank(char32_t c) {
  return (c >= 0x09 && c <= 0x0D) || c == u' ' || c == 0xA0 || (c >= 0x2000 && c <= 0x200A) ||
         c == 0x202F || c == 0x205F;
}

bool IsFormat(char32_t c) {
  const CodeRange* end = kFormatCharacters + kFormatCharacterCount;
  const CodeRange* it = std::upper_bound(
      kFormatCharacters, end, c, [](char32_t v, const CodeRange& r) { return v < r.first; });
  return it != kFormatCharacters && c <= std::prev(it)->last;
}

bool IsControl(char32_t c) { return c < 0x20 || (c >= 0x7F && c <= 0x9F); }

// Replacements made before anything else; the one-way mappings of code page
// 932 (¢ £ ¬ ‖ − 〜) go to the characters whose codes they are written with.
char16_t FixedReplacement(char32_t c) {
  switch (c) {
    case 0x2014:
      return u'―';
    case 0x00A5:
      return u'￥';
    case 0x203E:
      return u'￣';
    case 0x00B5:
      return u'μ';
    case 0x00F8:
      return u'φ';
    case 0x00D8:
      return u'Φ';
    case 0x00A6:
      return u'｜';
    case 0x2022:
      return u'・';
    case 0x223C:
      return u'～';
    case 0x207B:
      return u'-';
    case 0x00A2:
      return u'￠';
    case 0x00A3:
      return u'￡';
    case 0x00AC:
      return u'￢';
    case 0x2016:
      return u'∥';
    case 0x2212:
      return u'－';
    case 0x301C:
      return u'～';
    default:
      return 0;
  }
}

bool IsEncodable(char16_t c) {
  if (c < 0x80) return true;
  char16_t one[1] = {c};
  return EncodeAnsi(std::u16string_view(one, 1)) != "?";
}

bool AllEncodable(std::u16string_view text) {
  return std::all_of(text.begin(), text.end(), IsEncodable);
}

// The compatibility form of c when code page 932 holds it, else "？".
std::u16string_view Substitute(char32_t c) {
  const CompatForm* end = kCompatForms + kCompatFormCount;
  const CompatForm* it = std::lower_bound(
      kCompatForms, end, c, [](const CompatForm& f, char32_t v) { return f.code < v; });
  if (it != end && it->code == c && AllEncodable(it->form)) return it->form;
  return u"？";
}

void AppendClean(char32_t c, std::u16string* out) {
  if (IsBlank(c)) {
    out->push_back(u' ');
  } else if (IsControl(c) || IsFormat(c)) {
    return;
  } else if (char16_t fixed = FixedReplacement(c)) {
    out->push_back(fixed);
  } else if (c < 0x10000 && IsEncodable(static_cast<char16_t>(c))) {
    out->push_back(static_cast<char16_t>(c));
  } else {
    out->append(Substitute(c));
  }
}

// Value of "&H..." or "&O..." digits, capped well above 9999.
long RadixValue(std::u16string_view digits, int radix) {
  long value = 0;
  for (char16_t c : digits) {
    int d = c <= u'9' ? c - u'0' : (c | 0x20) - u'a' + 10;
    if (d < 0 || d >= radix) break;
    value = std::min(value * radix + d, 1000000L);
  }
  return value;
}

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

}  // namespace

std::u16string CleanText(std::u16string_view text) {
  std::u16string cleaned;
  cleaned.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    char32_t c = text[i];
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
        text[i + 1] <= 0xDFFF) {
      c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
    }
    AppendClean(c, &cleaned);
  }
  std::u16string single;
  single.reserve(cleaned.size());
  for (char16_t c : cleaned) {
    if (c == u' ' && !single.empty() && single.back() == u' ') continue;
    single.push_back(c);
  }
  return std::u16string(Trim(single));
}

bool StartsWithDepthBracket(std::u16string_view line) {
  auto is_blank = [](char16_t c) { return c == u' ' || c == 0x3000; };
  std::size_t i = 0;
  if (i >= line.size() || line[i] != u'[') return false;
  ++i;
  while (i < line.size() && is_blank(line[i])) ++i;
  if (i < line.size() && (line[i] == u'+' || line[i] == u'-')) ++i;
  std::size_t digits_begin = i;
  while (i < line.size() && IsDigit(line[i])) ++i;
  bool int_part = i > digits_begin;
  if (i < line.size() && line[i] == u'.') {
    std::size_t frac_begin = ++i;
    while (i < line.size() && IsDigit(line[i])) ++i;
    if (i == frac_begin) return false;  // "12." does not end in a digit
  } else if (!int_part) {
    return false;
  }
  while (i < line.size() && is_blank(line[i])) ++i;
  return i < line.size() && line[i] == u']';
}

bool ReadsAs9999(std::u16string_view field) {
  std::size_t i = 0;
  if (field.size() >= 2 && field[0] == u'&') {
    char16_t radix = field[1] | 0x20;
    if (radix == u'h' || radix == u'o') {
      return RadixValue(field.substr(2), radix == u'h' ? 16 : 8) == 9999;
    }
  }
  std::u16string number;
  if (i < field.size() && (field[i] == u'+' || field[i] == u'-')) number.push_back(field[i++]);
  std::size_t mantissa_begin = number.size();
  while (i < field.size() && IsDigit(field[i])) number.push_back(field[i++]);
  if (i < field.size() && field[i] == u'.') {
    number.push_back(field[i++]);
    while (i < field.size() && IsDigit(field[i])) number.push_back(field[i++]);
  }
  std::u16string_view mantissa = std::u16string_view(number).substr(mantissa_begin);
  if (mantissa.empty() || mantissa == u".") return false;
  if (number.back() == u'.') number.pop_back();
  if (number.empty() || number.back() == u'+' || number.back() == u'-') return false;
  if (i < field.size() &&
      (field[i] == u'E' || field[i] == u'e' || field[i] == u'D' || field[i] == u'd')) {
    std::u16string exponent(u"e");
    ++i;
    if (i < field.size() && (field[i] == u'+' || field[i] == u'-')) exponent.push_back(field[i++]);
    std::size_t exp_digits = 0;
    while (i < field.size() && IsDigit(field[i]) && exp_digits < 12) {
      exponent.push_back(field[i++]);
      ++exp_digits;
    }
    if (exp_digits > 0) number += exponent;
  }
  std::optional<Decimal> value = Decimal::Parse(number);
  return value && *value == Decimal::FromInt(9999);
}

std::u16string FieldFromClean(std::u16string text, FieldKind kind) {
  if (text.empty()) return u"@";
  if (kind == FieldKind::kTableName) {
    std::replace(text.begin(), text.end(), u',', u'，');
    std::replace(text.begin(), text.end(), u'"', u'”');
  }
  if (kind == FieldKind::kLayerLine && text[0] == u'[' && !StartsWithDepthBracket(text)) {
    text.insert(0, 1, u'\u3000');
  }
  std::replace(text.begin(), text.end(), u' ', u'_');
  if (text == u"@") return u"＠";
  if (ReadsAs9999(text)) text.insert(0, 1, u'\u3000');
  return text;
}

}  // namespace bc

#include "exchange/value_text.h"

namespace bc {

bool IsTrimSpace(char16_t c) {
  return (c >= 0x09 && c <= 0x0D) || c == u' ' || (c >= 0x1C && c <= 0x1F) || c == 0x85 ||
         c == 0xA0 || c == 0x1680 || (c >= 0x2000 && c <= 0x200A) || c == 0x2028 || c == 0x2029 ||
         c == 0x202F || c == 0x205F || c == 0x3000;
}

std::u16string_view Trim(std::u16string_view text) {
  std::size_t begin = 0, end = text.size();
  while (begin < end && IsTrimSpace(text[begin])) ++begin;
  while (end > begin && IsTrimSpace(text[end - 1])) --end;
  return text.substr(begin, end - begin);
}

std::u16string FoldForNumber(std::u16string_view text) {
  std::u16string folded(text);
  for (char16_t& c : folded) {
    if (c >= 0xFF01 && c <= 0xFF5E) {
      c = static_cast<char16_t>(c - 0xFEE0);
    } else if (c == 0x3000) {
      c = u' ';
    } else if (c == 0x2212) {
      c = u'-';
    }
  }
  return std::u16string(Trim(folded));
}

std::optional<Decimal> ReadNumberExact(std::u16string_view text) {
  return Decimal::Parse(FoldForNumber(text));
}

std::optional<Decimal> ReadNumber(std::u16string_view text, int decimals) {
  std::optional<Decimal> value = ReadNumberExact(text);
  if (value) value = value->Rounded(decimals);
  return value;
}

namespace {

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

// Reads 1..max_digits digits at *i; -1 when there are none or too many.
int ReadPart(std::u16string_view text, std::size_t* i, std::size_t min_digits,
             std::size_t max_digits) {
  std::size_t begin = *i;
  int value = 0;
  while (*i < text.size() && IsDigit(text[*i]) && *i - begin < max_digits) {
    value = value * 10 + (text[(*i)++] - u'0');
  }
  std::size_t count = *i - begin;
  if (count < min_digits || (*i < text.size() && IsDigit(text[*i]))) return -1;
  return value;
}

bool IsDateSeparator(char16_t c) { return c == u'-' || c == u'/' || c == u'.'; }

}  // namespace

ExchangeDate ReadDate(std::u16string_view text) {
  std::u16string folded = FoldForNumber(text);
  ExchangeDate date;
  if (folded.empty()) return date;
  ExchangeDate unreadable;
  unreadable.readable = false;

  std::size_t i = 0;
  int parts[3] = {-1, -1, -1};
  int count = 0;
  while (count < 3) {
    if (count > 0) {
      if (i >= folded.size()) break;
      if (!IsDateSeparator(folded[i++])) return unreadable;
    }
    parts[count] = count == 0 ? ReadPart(folded, &i, 4, 4) : ReadPart(folded, &i, 1, 2);
    if (parts[count] < 0) return unreadable;
    ++count;
  }
  if (i != folded.size()) return unreadable;

  if (parts[0] != 0) date.year = parts[0];
  if (count >= 2 && parts[1] >= 1 && parts[1] <= 12) {
    date.month = parts[1];
    if (count == 3 && parts[2] >= 1 && parts[2] <= 31) date.day = parts[2];
  }
  return date;
}

}  // namespace bc

// Reading element texts of the exchange XML as trimmed texts, numbers and
// dates.
#ifndef BORINGCONV_EXCHANGE_VALUE_TEXT_H_
#define BORINGCONV_EXCHANGE_VALUE_TEXT_H_

#include <optional>
#include <string>
#include <string_view>

#include "exchange/decimal.h"

namespace bc {

// White space that trimming removes: the ASCII blanks, the information
// separators, NEL, the Unicode spaces and the ideographic space U+3000.
bool IsTrimSpace(char16_t c);
std::u16string_view Trim(std::u16string_view text);

// Full-width ASCII forms to ASCII, U+3000 to a space, U+2212 to "-", trimmed:
// how numbers, dates and codes are compared.
std::u16string FoldForNumber(std::u16string_view text);

// The text as a number rounded to `decimals`; nothing when it is no number.
std::optional<Decimal> ReadNumber(std::u16string_view text, int decimals = 2);
std::optional<Decimal> ReadNumberExact(std::u16string_view text);

struct ExchangeDate {
  bool readable = true;
  std::optional<int> year, month, day;
};

// "YYYY", "YYYY-M" or "YYYY-M-D" with "-", "/" or "." between; empty is a
// readable date with nothing given, anything else is unreadable.
ExchangeDate ReadDate(std::u16string_view text);

}  // namespace bc

#endif  // BORINGCONV_EXCHANGE_VALUE_TEXT_H_

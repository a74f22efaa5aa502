// Reading numbers from texts, and the rounding of the 16-bit integer type.
#ifndef BORINGCONV_TEXT_NUMERIC_H_
#define BORINGCONV_TEXT_NUMERIC_H_

#include <cstdint>
#include <optional>
#include <string_view>

namespace bc {

// The longest leading number of a text, 0 when there is none. Blanks are
// skipped anywhere; a sign, digits, a fraction and an exponent with E or D
// are read, and the prefixes "&H" and "&O" give hexadecimal and octal
// numbers. "12.5m" reads 12.5, "1,000" reads 1, "QVN" reads 0.
double NumericValue(std::u16string_view text);

namespace internal {
// NumericValue without its quick reading of plain decimals, which must agree
// with it (tests compare the two).
double GeneralNumericValue(std::u16string_view text);
}  // namespace internal

// Halves go to the even neighbour: 2.5 gives 2, 3.5 gives 4.
double RoundHalfEven(double value);

// The value rounded half to even as a 16-bit integer; nothing when it does
// not fit.
std::optional<std::int16_t> ToInt16(double value);

}  // namespace bc

#endif  // BORINGCONV_TEXT_NUMERIC_H_

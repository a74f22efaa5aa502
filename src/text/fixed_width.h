// Fixed-width fields: numbers with two truncated decimals, and texts fitted
// to a number of code-page bytes.
#ifndef BORINGCONV_TEXT_FIXED_WIDTH_H_
#define BORINGCONV_TEXT_FIXED_WIDTH_H_

#include <string>
#include <string_view>

namespace bc {

// The value with exactly two decimals (further ones dropped, not rounded),
// right-aligned in width characters; a longer text loses its first
// characters. A single-precision value starts from its own 7-digit form, so
// 0.29f gives "0.29" where the widened double would give "0.28". A value
// whose form has an exponent (1E-05) is written out first, giving "0.00".
std::u16string FormatFixed2(int width, double value);
std::u16string FormatFixed2(int width, float value);

// The text cut or padded with spaces to exactly width code-page bytes. A cut
// that would split a double-byte character ends before it, and a space takes
// the place of its first byte.
std::u16string FitToWidth(std::u16string_view source, int width);

}  // namespace bc

#endif  // BORINGCONV_TEXT_FIXED_WIDTH_H_

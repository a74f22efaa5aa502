// The number-to-text form every output uses: the shortest decimal text, a
// leading space for a value of 0 or more and "-" otherwise, and no zero before
// the decimal point (0.5 gives " .5"). Single-precision values show at most 7
// significant digits, double-precision ones at most 15; beyond that range, or
// below 1E-04 in magnitude, the exponent form " 1.234568E+07" is used.
#ifndef BORINGCONV_TEXT_STR_FORM_H_
#define BORINGCONV_TEXT_STR_FORM_H_

#include <string>
#include <string_view>

namespace bc {

std::u16string StrSingle(float value);
std::u16string StrDouble(double value);
std::u16string StrInteger(long long value);

// w spaces before the text, then the last w characters: a shorter text is
// right-aligned and a longer one loses its leading characters.
std::u16string RightFit(std::u16string_view text, std::size_t width);

}  // namespace bc

#endif  // BORINGCONV_TEXT_STR_FORM_H_

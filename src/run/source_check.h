// The look over a whole source before a run writes anything, for what reads
// as a number but most likely is a typing mistake: a numeric field that is
// not a plain number (full-width digits, a letter O or l among the digits, a
// full-width space that shifted the fields, trailing characters), soil
// layers whose bottoms go back up, and a test deeper than the deepest layer.
// The run still reads every number as it always did; these findings become
// warnings after the success text, or, when the user asks for strictness,
// a stop before the first write.
#ifndef BORINGCONV_RUN_SOURCE_CHECK_H_
#define BORINGCONV_RUN_SOURCE_CHECK_H_

#include <string>
#include <string_view>
#include <vector>

namespace bc {

// One warning text per finding, in line order, from the code-page bytes of
// the source (its tag line first).
std::vector<std::u16string> CheckSourceNumbers(std::string_view source_bytes);

// True for the numbers the format writes: an optional sign, digits with at
// most one decimal point; also "@", the format's blank.
bool IsPlainNumber(std::u16string_view field);

}  // namespace bc

#endif  // BORINGCONV_RUN_SOURCE_CHECK_H_

// One line of X5.TXT: a penetration test (code 4000) with the blow counts
// and penetration lengths of its three stages, their sums and the N value.
#ifndef BORINGCONV_SITE_BLOW_COUNT_LINE_H_
#define BORINGCONV_SITE_BLOW_COUNT_LINE_H_

#include <cstdint>
#include <optional>
#include <string>

#include "run/record.h"

namespace bc {

// Nothing for a record whose fields 2 and 3 both read 0; either beyond single
// precision stops the run. Otherwise a stage
// value of -1 in fields 4 to 9 is replaced by "0" in the record, and the line
// holds the depth, the sum S1 of fields 7 to 9 (blows), N, the sum S2 of
// fields 4 to 6 (lengths), and the pairs (7, 4), (8, 5), (9, 6). N is S1
// without a length, else the integer part of 30 × S1 ÷ S2; at most 999. A
// sum past 16 bits stops the run.
std::optional<std::u16string> BlowCountLine(Record& record, std::int16_t number);

}  // namespace bc

#endif  // BORINGCONV_SITE_BLOW_COUNT_LINE_H_

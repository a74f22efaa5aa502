// One line of X6.TXT: a sample record (code 3040) with its sampler and the
// fixed run of empty columns the plotting system expects after it.
#ifndef BORINGCONV_SITE_SAMPLE_LINE_H_
#define BORINGCONV_SITE_SAMPLE_LINE_H_

#include <cstdint>
#include <string>

#include "run/record.h"

namespace bc {

// Fields 2 and 3 are copied right-fitted to 7 characters; field 4 is the
// sampler letter. The number is right-fitted to 3 characters.
std::u16string SampleLine(const Record& record, std::int16_t number);

}  // namespace bc

#endif  // BORINGCONV_SITE_SAMPLE_LINE_H_

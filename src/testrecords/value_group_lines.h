// The value groups of a code-5000 record, each to its own file: the rate
// (G71.TXT, field 5), two readings (G73.TXT, fields 6 and 7) and a range
// with its width (G81.TXT and G82.TXT, fields 8 to 11). A writer whose own
// fields are blank writes nothing, and its counter stays.
#ifndef BORINGCONV_TESTRECORDS_VALUE_GROUP_LINES_H_
#define BORINGCONV_TESTRECORDS_VALUE_GROUP_LINES_H_

#include <cstdint>

#include "run/output_file.h"
#include "run/record.h"

namespace bc {

// previous_depth: field 2 of the record before, 0 for the first. Field 5 is
// cut before its first "～" in place.
void WriteRateLine(OutputFile& out, std::int16_t& counter, Record& record, float previous_depth);

// Fields 6 and 7 are cut before their first "～" in place.
void WriteReadingLine(OutputFile& out, std::int16_t& counter, Record& record);

// One line to each of G81.TXT and G82.TXT under one shared counter.
void WriteRangeLines(OutputFile& g81, OutputFile& g82, std::int16_t& counter, const Record& record);

}  // namespace bc

#endif  // BORINGCONV_TESTRECORDS_VALUE_GROUP_LINES_H_

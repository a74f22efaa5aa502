// The X7.TXT line of one code-3030 record: the depth interval, its length in
// hundredths, and the record's kind in the columns of its legend place.
#ifndef BORINGCONV_TESTRECORDS_INTERVAL_LINE_H_
#define BORINGCONV_TESTRECORDS_INTERVAL_LINE_H_

#include <cstdint>

#include "run/output_file.h"
#include "run/record.h"
#include "testrecords/kind_legend.h"

namespace bc {

// Writes the line and advances the counter. A length beyond the 16-bit range
// stops the run.
void WriteIntervalLine(OutputFile& out, std::int16_t& counter, const Record& record,
                       const KindLegend& legend);

}  // namespace bc

#endif  // BORINGCONV_TESTRECORDS_INTERVAL_LINE_H_

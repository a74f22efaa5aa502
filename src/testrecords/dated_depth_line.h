// The lines of N9.TXT (code 3020) and N8.TXT (code 5000): a number, a date
// made of a year of the run and the record's month and day, and a depth.
#ifndef BORINGCONV_TESTRECORDS_DATED_DEPTH_LINE_H_
#define BORINGCONV_TESTRECORDS_DATED_DEPTH_LINE_H_

#include <cstdint>
#include <string_view>

#include "run/output_file.h"
#include "run/reading_years.h"
#include "run/record.h"

namespace bc {

enum class DateMode {
  kPlain,    // N9.TXT: a month or day of -1 is written as "00"
  kGuarded,  // N8.TXT: a record without month or day gets no line
};

// Writes the line of the current record, dated in the year years gives its
// month and day, and advances the counter. Fields 3 and 4 (month and day)
// are rewritten in place to their two-digit form.
void WriteDatedDepthLine(OutputFile& out, std::int16_t& counter, Record& record,
                         const ReadingYears& years, DateMode mode);

}  // namespace bc

#endif  // BORINGCONV_TESTRECORDS_DATED_DEPTH_LINE_H_

// The measured points of the Lugeon tests: one LUGON_n.GRA file for each
// group of code-4011 records, the k-th group belonging to the k-th test.
#ifndef BORINGCONV_TESTRECORDS_LUGEON_POINTS_H_
#define BORINGCONV_TESTRECORDS_LUGEON_POINTS_H_

#include <cstdint>
#include <string>

#include "run/record.h"
#include "run/run_context.h"
#include "testrecords/lugeon_tests.h"

namespace bc {

// One point line: number, two empty columns, the two values of the record.
std::u16string LugeonPointLine(std::int16_t point, const Record& record);

// Writes the groups starting at the current code-4011 record. A group takes
// as many records as its test announces, whatever their codes. Code-4011
// records past the last test's group are read past. Returns Flow::kEnd when
// the source ends, keeping the points read so far.
Flow WriteLugeonPointFiles(RunContext& ctx, const LugeonTable& tests);

}  // namespace bc

#endif  // BORINGCONV_TESTRECORDS_LUGEON_POINTS_H_

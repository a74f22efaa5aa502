// R41.TXT: the code-3010 depths merged in depth order with the depth table.
// An entry and a code-3010 record at the same single-precision depth share
// one line.
#ifndef BORINGCONV_TESTRECORDS_MERGE_TEST_DEPTHS_H_
#define BORINGCONV_TESTRECORDS_MERGE_TEST_DEPTHS_H_

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "run/output_file.h"
#include "run/record.h"
#include "testrecords/depth_table.h"

namespace bc {

// The state of R41.TXT while it is written.
struct DepthMerge {
  OutputFile& out;
  DepthTable& table;
  std::int16_t line = 1;  // n, the number of the next line
  std::size_t next = 1;   // k, the first entry not yet written
};

// Writes every pending entry above depth_text, then the line of the current
// code-3010 record (joint or single). Field 3 of the record becomes "  0"
// when it reads below 0.
void MergeTestDepths(DepthMerge& merge, std::u16string_view depth_text, Record& record);

// Writes every entry still pending, whatever its depth.
void FlushTestDepths(DepthMerge& merge);

}  // namespace bc

#endif  // BORINGCONV_TESTRECORDS_MERGE_TEST_DEPTHS_H_

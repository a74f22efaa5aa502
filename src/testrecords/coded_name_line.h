// The R72.TXT line of one code-5010 record: depth, value, the codes of the
// one or two names of field 5 (divided by "／") and a text of 30 bytes.
#ifndef BORINGCONV_TESTRECORDS_CODED_NAME_LINE_H_
#define BORINGCONV_TESTRECORDS_CODED_NAME_LINE_H_

#include <cstdint>
#include <string>

#include "run/output_file.h"
#include "run/record.h"
#include "run/run_context.h"

namespace bc {

// The two names of field 5 in half-width form; without "／" the whole field
// is the second name and the first is empty.
struct CodedNames {
  std::u16string first;
  std::u16string second;
};
CodedNames SplitCodedNames(std::u16string_view field);

// Looks the names up in L18.TXT and L18B.TXT (growing them), writes the line
// and advances the counter. Field 3 becomes "  " when it reads below 0.
void WriteCodedNameLine(RunContext& ctx, OutputFile& out, std::int16_t& counter, Record& record);

}  // namespace bc

#endif  // BORINGCONV_TESTRECORDS_CODED_NAME_LINE_H_

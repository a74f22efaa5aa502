// The five attribute lines of a layer-detail record, R31.TXT to R35.TXT:
// each attribute text (fields 5 to 9) split at "～", each half with its
// two-character code from the attribute table L13.TXT to L17.TXT. Halves the
// table does not know yet are appended to it under the next free code.
#ifndef BORINGCONV_SOIL_LAYER_ATTRIBUTE_LINES_H_
#define BORINGCONV_SOIL_LAYER_ATTRIBUTE_LINES_H_

#include <array>
#include <cstdint>
#include <string_view>

#include "run/output_file.h"
#include "run/record.h"
#include "run/run_context.h"

namespace bc {

inline constexpr int kAttributeCount = 5;

// The open R31.TXT to R35.TXT, in order, and their line counters.
struct AttributeFiles {
  std::array<OutputFile*, kAttributeCount> files{};
  std::array<std::int16_t, kAttributeCount> counters{1, 1, 1, 1, 1};
};

// Writes one line to each of the five files for record, whose field 2 is
// shown as the depth. A new half that a full table cannot code is counted in
// ctx.full_tables.
void WriteLayerAttributeLines(RunContext& ctx, AttributeFiles& out, const Record& record);

}  // namespace bc

#endif  // BORINGCONV_SOIL_LAYER_ATTRIBUTE_LINES_H_

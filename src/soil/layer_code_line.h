// One line of X3.TXT: the layer's field 4 split at "～" into two parts, each
// preceded by the L4 codes of its first three characters.
#ifndef BORINGCONV_SOIL_LAYER_CODE_LINE_H_
#define BORINGCONV_SOIL_LAYER_CODE_LINE_H_

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "run/output_file.h"
#include "run/run_context.h"

namespace bc {

// Three two-character slots: the codes of those of the first three characters
// of part that the table names, in order; a slot left over, or holding code
// 0, is two spaces.
std::u16string LayerCodeGroup(std::u16string_view part, const std::vector<CodeName>& table);

// Writes nothing for a blank text; otherwise one line, and advances counter.
void WriteLayerCodeLine(OutputFile& out, std::int16_t& counter, std::u16string_view depth,
                        std::u16string_view text, const std::vector<CodeName>& table);

}  // namespace bc

#endif  // BORINGCONV_SOIL_LAYER_CODE_LINE_H_

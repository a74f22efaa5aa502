// One line of X1.TXT: layer number, the layer's depth as written, its
// pattern code from the soil-name dictionary and its description.
#ifndef BORINGCONV_SOIL_SOIL_LAYER_LINE_H_
#define BORINGCONV_SOIL_SOIL_LAYER_LINE_H_

#include <cstdint>
#include <string_view>

#include "run/output_file.h"
#include "run/run_context.h"

namespace bc {

// Looks the description up (which may grow the dictionary), writes the line
// and advances the layer counter.
void WriteSoilLayerLine(const RunContext& ctx, OutputFile& out, std::int16_t& counter,
                        std::u16string_view depth, std::u16string_view description);

}  // namespace bc

#endif  // BORINGCONV_SOIL_SOIL_LAYER_LINE_H_

// The soil-column sections of a run: X1.TXT (code 2000), X3.TXT with
// R31.TXT to R35.TXT (code 2001) and X12.TXT (code 2002).
#ifndef BORINGCONV_SOIL_SOIL_SECTIONS_H_
#define BORINGCONV_SOIL_SOIL_SECTIONS_H_

#include <array>
#include <cstdint>

#include "run/run_context.h"

namespace bc {

// The layers read from the code-2001 records: bottom depth and the number of
// code-2002 texts of each layer. Entry 0 is the top of the boring (depth 0).
struct LayerTable {
  static constexpr int kMaxLayers = 250;
  struct Layer {
    float depth = 0;
    std::int16_t text_count = 0;
  };
  std::array<Layer, kMaxLayers + 1> layers{};
  int count = 0;
};

Flow RunSoilLayerSection(RunContext& ctx);
Flow RunLayerDetailSection(RunContext& ctx, LayerTable& layers);
Flow RunLayerTextSection(RunContext& ctx, const LayerTable& layers);

}  // namespace bc

#endif  // BORINGCONV_SOIL_SOIL_SECTIONS_H_

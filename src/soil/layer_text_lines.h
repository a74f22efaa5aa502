// X12.TXT: the free texts of the soil layers, one fixed-width line per
// printed text line with the depth at which it is drawn. A layer's first
// text sits at the layer top; every further line one step (0.08) lower. A
// text beginning with "\" or "￥" continues the one before it.
#ifndef BORINGCONV_SOIL_LAYER_TEXT_LINES_H_
#define BORINGCONV_SOIL_LAYER_TEXT_LINES_H_

#include <cstdint>
#include <string>
#include <string_view>

#include "run/output_file.h"
#include "run/record.h"

namespace bc {

inline constexpr std::size_t kLayerTextWidth = 255;  // bytes of the text column

// The section's state across the texts of all layers.
struct LayerTextState {
  std::int16_t counter = 1;   // number of the next line
  std::u16string depth_text;  // depth of the next line; empty means one step lower
  float text_depth = 0;       // depth of the latest line, or of the layer top
  std::u16string carry;       // text accepted but not written yet
};

// The depth one step below depth, cut to hundredths. The sum is taken in
// double and stored as float, so a float lying just below its decimal value
// loses a hundredth (0.7 gives 0.77), which the plotting system expects.
float AdvanceTextDepth(float depth);

// A text may start with "[depth]": the depth then applies to the text and to
// the later lines of its layer. Returns the text without the bracket.
std::u16string ApplyBracketDepth(const std::u16string& field, LayerTextState& state);

// Writes what one text makes ready: a pending carry that the text does not
// continue, and the text's pieces of 255 bytes. The last piece of a long
// text, and a later text of a layer, wait in the carry for the next call. An
// empty text writes the carry only.
void WriteLayerTextLines(OutputFile& out, LayerTextState& state, std::u16string text);

}  // namespace bc

#endif  // BORINGCONV_SOIL_LAYER_TEXT_LINES_H_

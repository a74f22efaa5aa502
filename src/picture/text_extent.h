// Text widths as the layout estimates them. The layout has no font at hand,
// so it counts a full-width character as one em and any other as a little
// over half, which holds for the Japanese fonts the picture asks for.
#ifndef BORINGCONV_PICTURE_TEXT_EXTENT_H_
#define BORINGCONV_PICTURE_TEXT_EXTENT_H_

#include <string>
#include <string_view>

namespace bc {

double EstimatedTextWidth(std::u16string_view text, double size);

// The text, or its longest beginning followed by "…" that fits the width;
// empty when not even that fits.
std::u16string ElideToWidth(std::u16string_view text, double size, double width);

}  // namespace bc

#endif  // BORINGCONV_PICTURE_TEXT_EXTENT_H_

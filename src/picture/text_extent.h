// Text widths as the layout estimates them. The layout has no font at hand,
// so it counts a full-width character as one em and any other as a little
// over half, which holds for the Japanese fonts the picture asks for.
#ifndef BORINGCONV_PICTURE_TEXT_EXTENT_H_
#define BORINGCONV_PICTURE_TEXT_EXTENT_H_

#include <string>
#include <string_view>
#include <vector>

namespace bc {

double EstimatedTextWidth(std::u16string_view text, double size);

// The text, or its longest beginning followed by "…" that fits the width;
// empty when not even that fits.
std::u16string ElideToWidth(std::u16string_view text, double size, double width);
// The same from the other end: "…" followed by the text's longest ending
// that fits, for names that differ only at their ends ("…-BED0008").
std::u16string ElideStartToWidth(std::u16string_view text, double size, double width);

// The text broken into at most max_lines lines that fit the width, anywhere
// between two characters (Japanese text has no spaces to break at); the
// last line is elided when the text goes on.
std::vector<std::u16string> WrapToWidth(std::u16string_view text, double size, double width,
                                        std::size_t max_lines);

}  // namespace bc

#endif  // BORINGCONV_PICTURE_TEXT_EXTENT_H_

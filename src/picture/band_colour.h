// The fill of a soil layer in the picture.
#ifndef BORINGCONV_PICTURE_BAND_COLOUR_H_
#define BORINGCONV_PICTURE_BAND_COLOUR_H_

#include <string_view>

#include "picture/drawing.h"

namespace bc {

// A soft colour that depends only on the pattern code, the same on every
// platform, so that one soil looks the same in every picture and file.
Colour BandColour(std::u16string_view code);

}  // namespace bc

#endif  // BORINGCONV_PICTURE_BAND_COLOUR_H_

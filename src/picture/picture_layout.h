// Lays out the picture of a converted boring: the title, a depth scale, the
// soil column with each layer's name and bottom depth, and the N values on
// the same depth scale against an N axis of 0 to 50, as boring logs draw it.
#ifndef BORINGCONV_PICTURE_PICTURE_LAYOUT_H_
#define BORINGCONV_PICTURE_PICTURE_LAYOUT_H_

#include "picture/boring_column.h"
#include "picture/boring_profile.h"
#include "picture/drawing.h"
#include "picture/vertical_scale.h"

namespace bc {

// The size of the picture as a file, in units: upright, like a log sheet.
inline constexpr double kPictureFileWidth = 420;
inline constexpr double kPictureFileHeight = 700;

Drawing LayOutPicture(const BoringProfile& profile, double width, double height);

}  // namespace bc

#endif  // BORINGCONV_PICTURE_PICTURE_LAYOUT_H_

// Lays out the picture of a converted boring: the title, a depth scale, the
// soil column with each layer's name and bottom depth, and the N values on
// the same depth scale against an N axis of 0 to 50, as boring logs draw it.
#ifndef BORINGCONV_PICTURE_PICTURE_LAYOUT_H_
#define BORINGCONV_PICTURE_PICTURE_LAYOUT_H_

#include <vector>

#include "picture/boring_profile.h"
#include "picture/drawing.h"

namespace bc {

// The size of the picture as a file, in units: upright, like a log sheet.
inline constexpr double kPictureFileWidth = 420;
inline constexpr double kPictureFileHeight = 700;

// The end of the N axis; a larger N is drawn there with its value beside it.
inline constexpr int kMostN = 50;

// The depths of the scale's ticks, from 0 to the first tick at or past the
// deepest depth, in steps of 1, 2 or 5 times a power of ten giving at most
// ten steps (a boring of less than a metre still gets one metre).
std::vector<double> DepthTicks(double deepest);

Drawing LayOutPicture(const BoringProfile& profile, double width, double height);

}  // namespace bc

#endif  // BORINGCONV_PICTURE_PICTURE_LAYOUT_H_

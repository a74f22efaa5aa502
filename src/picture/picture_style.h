// The colours and text sizes every picture shares, so that a boring looks
// the same alone and beside the others of its site.
#ifndef BORINGCONV_PICTURE_PICTURE_STYLE_H_
#define BORINGCONV_PICTURE_PICTURE_STYLE_H_

#include "picture/drawing.h"

namespace bc {

inline constexpr double kTextSize = 12;
inline constexpr double kTitleSize = 13;
inline constexpr double kValueSize = 10;
inline constexpr double kLine = 15;  // height of a line of text

inline constexpr Colour kWhite{255, 255, 255};
inline constexpr Colour kFrameGrey{160, 160, 160};
inline constexpr Colour kHeadingGrey{40, 40, 40};
inline constexpr Colour kAxisGrey{120, 120, 120};
inline constexpr Colour kGridGrey{225, 225, 225};
inline constexpr Colour kTickGrey{80, 80, 80};
inline constexpr Colour kBandEdge{60, 60, 60};
inline constexpr Colour kNRed{200, 40, 40};

// The baseline that centres a line of text on y.
inline double CentredBaseline(double y, double size) { return y + 0.35 * size; }

}  // namespace bc

#endif  // BORINGCONV_PICTURE_PICTURE_STYLE_H_

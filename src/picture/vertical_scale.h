// The vertical scale of a picture: where a depth of a boring is drawn, and
// the round values its ticks stand at.
#ifndef BORINGCONV_PICTURE_VERTICAL_SCALE_H_
#define BORINGCONV_PICTURE_VERTICAL_SCALE_H_

#include <cmath>
#include <string>
#include <vector>

namespace bc {

// Maps a boring's depths to the vertical units of the drawing area: the
// depth first is drawn at top, first + span at top + height. A boring drawn
// at its ground elevation has a first below zero when its ground lies below
// the top of the scale.
struct VerticalScale {
  double top = 0;
  double height = 1;
  double first = 0;
  double span = 1;

  double ExactY(double depth) const { return top + (depth - first) / span * height; }
  // Whole units, so that thin lines fall on the same pixels in every renderer.
  double Y(double depth) const { return std::floor(ExactY(depth)); }
};

// The step between ticks over a range of span metres: 1, 2 or 5 times a
// power of ten giving at most ten steps, and at least 1.
double TickStep(double span);

// The depths of the scale's ticks, from 0 to the first tick at or past the
// deepest depth (a boring of less than a metre still gets one metre).
std::vector<double> DepthTicks(double deepest);

// The ticks from the last at or below low to the first at or above high, in
// rising order, at TickStep(high - low).
std::vector<double> RangeTicks(double low, double high);

// A tick's label: the shortest text of the value, whatever the C locale.
std::u16string TickLabel(double value);
// A depth or elevation in metres with two decimals: "12.50".
std::u16string MetresLabel(double value);

}  // namespace bc

#endif  // BORINGCONV_PICTURE_VERTICAL_SCALE_H_

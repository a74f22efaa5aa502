// The parts of a picture that show one boring on a vertical scale: the
// scale itself, the soil column and the N values. The picture of one boring
// and the overview of a site place the same parts, so a boring is drawn
// alike in both.
#ifndef BORINGCONV_PICTURE_BORING_COLUMN_H_
#define BORINGCONV_PICTURE_BORING_COLUMN_H_

#include <string>
#include <vector>

#include "picture/boring_profile.h"
#include "picture/drawing.h"
#include "picture/vertical_scale.h"

namespace bc {

struct Box {
  double left = 0;
  double top = 0;
  double width = 0;
  double height = 0;
  double Right() const { return left + width; }
};

// The end of the N axis; a larger N is drawn there with its value beside it.
inline constexpr int kMostN = 50;

struct Tick {
  double depth;  // where on the scale
  std::u16string label;
};

// The axis at x = left over the scale's height, with a grid line across to
// right and a label left of each tick.
void DrawScale(Drawing& drawing, const VerticalScale& scale, double left, double right,
               const std::vector<Tick>& ticks);

// The bands of the layers inside column's width. With labels, each band tall
// enough gets its soil's name and its bottom depth, and the last band its
// depth always.
void DrawSoilColumn(Drawing& drawing, const std::vector<SoilBand>& layers,
                    const VerticalScale& scale, const Box& column, bool labels);

// The N axis of 0 to kMostN across chart, its grid over chart's height and
// its labels above, then the N values at their depths. A value beyond the
// axis is written beside its point unless it would run into the last one
// written.
void DrawBlowCounts(Drawing& drawing, const std::vector<BlowCount>& blows,
                    const VerticalScale& scale, const Box& chart, double label_size);

}  // namespace bc

#endif  // BORINGCONV_PICTURE_BORING_COLUMN_H_

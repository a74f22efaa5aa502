// Lays out the overview of a site: every boring of a batch as a soil column
// with its N values, side by side in batch order on one vertical scale, as
// an engineer looks over a site before anything is plotted. The borings
// stand at their ground elevations when every one has an elevation on one
// datum, and hang from the ground surface on one depth scale otherwise. A
// boring that did not convert keeps its place as an empty slot saying why.
#ifndef BORINGCONV_PICTURE_OVERVIEW_LAYOUT_H_
#define BORINGCONV_PICTURE_OVERVIEW_LAYOUT_H_

#include <string>
#include <vector>

#include "picture/boring_profile.h"
#include "picture/drawing.h"

namespace bc {

struct OverviewBoring {
  BoringProfile profile;  // of a stopped boring only the name
  bool converted = true;
  std::u16string stop_reason;  // what stopped it
};

// The width grows with the count of borings; every text keeps clear of the
// others however many there are.
Drawing LayOutOverview(const std::vector<OverviewBoring>& borings);

}  // namespace bc

#endif  // BORINGCONV_PICTURE_OVERVIEW_LAYOUT_H_

#include "picture/drawing.h"

#include <cmath>

namespace bc {

std::u16string Drawing::TipAt(PointXY at) const {
  // A dot is small: a little slack makes it easy to point at.
  constexpr double kSlack = 2;
  for (auto dot = dots_.rbegin(); dot != dots_.rend(); ++dot) {
    double distance = std::hypot(at.x - dot->centre.x, at.y - dot->centre.y);
    if (!dot->tip.empty() && distance <= dot->radius + kSlack) return dot->tip;
  }
  for (auto rect = rects_.rbegin(); rect != rects_.rend(); ++rect) {
    bool inside = at.x >= rect->x && at.x <= rect->x + rect->width && at.y >= rect->y &&
                  at.y <= rect->y + rect->height;
    if (!rect->tip.empty() && inside) return rect->tip;
  }
  return {};
}

}  // namespace bc

// Depths of the soil column are single precision, as the plotting system
// reads them.
#ifndef BORINGCONV_SOIL_SINGLE_DEPTH_H_
#define BORINGCONV_SOIL_SINGLE_DEPTH_H_

#include <cmath>
#include <limits>

#include "run/run_error.h"

namespace bc {

// The value rounded to float; one beyond float's range, an overflowing
// reading included, stops the run with a message naming the current line.
inline float SingleDepthOrStop(double value) {
  if (!std::isfinite(value) || std::fabs(value) > std::numeric_limits<float>::max()) {
    throw RunError(u"深度の値が大きすぎます。", RunError::Where::kCurrentLine);
  }
  return static_cast<float>(value);
}

}  // namespace bc

#endif  // BORINGCONV_SOIL_SINGLE_DEPTH_H_

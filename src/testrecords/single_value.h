// The test records hold their depths and Lugeon values in single precision,
// as the plotting system reads them.
#ifndef BORINGCONV_TESTRECORDS_SINGLE_VALUE_H_
#define BORINGCONV_TESTRECORDS_SINGLE_VALUE_H_

#include <cmath>
#include <limits>

#include "run/run_error.h"

namespace bc {

// The value rounded to float. One beyond float's range has no float to
// become, so it stops the run with a message naming the current line.
inline float SingleOrStop(double value) {
  if (!std::isfinite(value) || std::fabs(value) > std::numeric_limits<float>::max()) {
    throw RunError(u"数値が単精度の範囲を超えています。", RunError::Where::kCurrentLine);
  }
  return static_cast<float>(value);
}

}  // namespace bc

#endif  // BORINGCONV_TESTRECORDS_SINGLE_VALUE_H_

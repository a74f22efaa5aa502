// The code-3030 records held in memory until the legend of their kinds is
// complete, since a kind's columns depend on its place in the legend.
#ifndef BORINGCONV_TESTRECORDS_INTERVAL_GATHERING_H_
#define BORINGCONV_TESTRECORDS_INTERVAL_GATHERING_H_

#include <cstddef>
#include <string>
#include <vector>

#include "run/run_context.h"
#include "testrecords/kind_legend.h"

namespace bc {

struct IntervalGathering {
  static constexpr std::size_t kMaxLines = 2000;

  struct SavedLine {
    std::u16string text;
    long line_number = 0;
  };
  std::vector<SavedLine> lines;
  KindLegend legend;
};

// Saves the current code-3030 record and every one after it, and adds their
// kinds from the reference table to the legend. Returns Flow::kEnd when the
// source ended after one of them.
Flow GatherIntervalLines(RunContext& ctx, const std::vector<CodeName>& reference,
                         IntervalGathering& gathering);

}  // namespace bc

#endif  // BORINGCONV_TESTRECORDS_INTERVAL_GATHERING_H_

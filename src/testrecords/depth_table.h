// The code-3000 test depths, gathered before R41.TXT is written.
#ifndef BORINGCONV_TESTRECORDS_DEPTH_TABLE_H_
#define BORINGCONV_TESTRECORDS_DEPTH_TABLE_H_

#include <cstddef>
#include <cstdint>
#include <vector>

#include "run/run_context.h"

namespace bc {

struct DepthTable {
  static constexpr std::size_t kMaxEntries = 250;
  // Deeper than any real depth: what every slot after the last entry reads.
  static constexpr float kSentinelDepth = 99999.99f;

  struct Entry {
    float depth = 0;
    std::int16_t value_a = 0;
    std::int16_t value_b = 0;
  };
  std::vector<Entry> entries;

  // Depth of the one-based entry k, or the sentinel past the last entry.
  float DepthAt(std::size_t k) const {
    return k >= 1 && k <= entries.size() ? entries[k - 1].depth : kSentinelDepth;
  }
};

// Adds the current code-3000 record and every one after it to the table.
// Returns Flow::kEnd when the source ended after one of them.
Flow GatherDepthTable(RunContext& ctx, DepthTable& table);

}  // namespace bc

#endif  // BORINGCONV_TESTRECORDS_DEPTH_TABLE_H_

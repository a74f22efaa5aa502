#include "run/hash_index.h"

#include <gtest/gtest.h>

#include <map>
#include <random>

namespace bc {
namespace {

// Against a plain map of every hash to its entries, while the index grows
// through several sizes, with hashes that share buckets and repeat.
TEST(HashIndexTest, FindsEveryEntryOfAHashInTheOrderOfAdding) {
  HashIndex index;
  std::map<std::size_t, std::vector<std::size_t>> expected;
  std::mt19937_64 random(3);
  EXPECT_TRUE(index.Find(42).empty());
  for (std::size_t entry = 0; entry < 5000; ++entry) {
    // Small values repeat; multiples of 4096 fall into one bucket at every size.
    std::size_t hash = entry % 3 == 0 ? random() % 50 : (random() % 64) << 12;
    index.Add(hash);
    expected[hash].push_back(entry);
    if (entry % 97 == 0 || entry < 40) {
      for (const auto& [h, entries] : expected) ASSERT_EQ(index.Find(h), entries) << entry;
    }
  }
  EXPECT_EQ(index.size(), 5000u);
  EXPECT_TRUE(index.Find(51).empty());
}

}  // namespace
}  // namespace bc

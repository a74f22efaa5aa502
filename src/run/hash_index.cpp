#include "run/hash_index.h"

#include <algorithm>

namespace bc {

void HashIndex::Reserve(std::size_t count) {
  hashes_.reserve(count);
  next_.reserve(count);
  if (count * 2 > heads_.size()) {
    std::size_t buckets = 16;
    while (buckets < count * 2) buckets *= 2;
    heads_.assign(buckets, kNone);
    for (std::size_t entry = 0; entry < hashes_.size(); ++entry) Link(entry);
  }
}

void HashIndex::Add(std::size_t hash) {
  hashes_.push_back(static_cast<std::uint32_t>(hash));
  next_.push_back(kNone);
  // At most one entry per two buckets keeps the chains short.
  if (hashes_.size() * 2 > heads_.size()) {
    Reserve(hashes_.size() * 2);
  } else {
    Link(hashes_.size() - 1);
  }
}

std::vector<std::size_t> HashIndex::Find(std::size_t hash) const {
  std::vector<std::size_t> found;
  if (heads_.empty()) return found;
  const auto low = static_cast<std::uint32_t>(hash);
  for (std::uint32_t entry = heads_[Bucket(low)]; entry != kNone; entry = next_[entry]) {
    if (hashes_[entry] == low) found.push_back(entry);
  }
  std::reverse(found.begin(), found.end());  // chains run from the newest
  return found;
}

void HashIndex::Link(std::size_t entry) {
  std::uint32_t& head = heads_[Bucket(hashes_[entry])];
  next_[entry] = head;
  head = static_cast<std::uint32_t>(entry);
}

}  // namespace bc

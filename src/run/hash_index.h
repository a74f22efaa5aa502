// Entries of a table that only grows, found by the hash of their key: one
// flat array of chains, so that indexing a large table costs no allocation
// per entry and no sort. Only the low 32 bits of a hash are kept: a large
// table's index is the run's largest memory, and equal keys are compared by
// the caller anyway.
#ifndef BORINGCONV_RUN_HASH_INDEX_H_
#define BORINGCONV_RUN_HASH_INDEX_H_

#include <cstddef>
#include <cstdint>
#include <vector>

namespace bc {

class HashIndex {
 public:
  // Makes room for count entries in all.
  void Reserve(std::size_t count);

  // Adds the next entry, numbered from 0 in the order of adding.
  void Add(std::size_t hash);

  // The entries added with hash, in the order of adding. Different keys may
  // share a hash: the caller compares the keys.
  std::vector<std::size_t> Find(std::size_t hash) const;

  std::size_t size() const { return hashes_.size(); }

 private:
  static constexpr std::uint32_t kNone = 0xFFFFFFFF;

  std::size_t Bucket(std::uint32_t hash) const { return hash & (heads_.size() - 1); }
  void Link(std::size_t entry);

  std::vector<std::uint32_t> hashes_;
  std::vector<std::uint32_t> next_;   // the entry added before it to its bucket
  std::vector<std::uint32_t> heads_;  // the entry added last to each bucket
};

}  // namespace bc

#endif  // BORINGCONV_RUN_HASH_INDEX_H_

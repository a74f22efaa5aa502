// The pattern-data folder as one run (or a batch of runs) sees it: each
// table's host path resolved once, each table read on first need and kept
// with its indexes, every addition written to the file and to the copy in
// memory. An opened store holds the folder's lock, so that runs sharing the
// folder take their turns.
#ifndef BORINGCONV_RUN_PATTERN_STORE_H_
#define BORINGCONV_RUN_PATTERN_STORE_H_

#include <array>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "environment/environment.h"
#include "run/file_system.h"
#include "run/hash_index.h"
#include "run/table_file.h"
#include "run/table_key.h"

namespace bc {

// One table as loaded: its bytes, its lines once something needs them all,
// and indexes built on first use. A lookup whose key can be spelled in one
// way only is answered by searching the bytes for that spelling, so that a
// run making a few lookups in a large table never reads its other lines;
// other lookups, and a table looked up many times, use a hash index of the
// keys. Lines are decoded only when asked for.
class PatternTable {
 public:
  using Items = std::vector<std::u16string>;

  // An entry as a lookup finds it: where its line starts in the bytes.
  struct EntryId {
    std::uint32_t offset;
    auto operator<=>(const EntryId&) const = default;
  };

  // Every line, blank ones included, as a reader of the file sees them.
  std::vector<std::u16string> Lines() const;
  std::size_t line_count() const { return Spans().size(); }
  std::string_view LineBytes(std::size_t line) const {
    const Span& span = Spans()[line];
    return std::string_view(bytes_).substr(span.begin, span.size);
  }

  // The lines that are not blank, each as its free-format items.
  std::size_t size() const;
  Items Entry(std::size_t i) const;
  EntryId Id(std::size_t i) const;
  std::vector<Items> Entries() const;

  // The entries whose key is text, in file order.
  std::vector<EntryId> Find(const TableKey& key, std::u16string_view text);
  Items Entry(EntryId id) const;
  // Item `index` (zero-based) of an entry, empty when it has fewer.
  std::u16string Item(EntryId id, std::size_t index) const;

  // The largest value of the entries' first items, or 0 when none is above 0.
  double HighestCode();

 private:
  friend class PatternStore;
  // Offsets into the bytes, which stay below 4 GiB (AddLines checks), in 32
  // bits: the lines of a large table are the run's largest memory.
  struct Span {
    std::uint32_t begin;
    std::uint32_t size;
  };
  // Lookups by searching, per table, before the index is worth building.
  static constexpr int kSearchesBeforeIndex = 64;

  // What a held store has yet to write of this table.
  enum class Change { kNone, kAppended, kReplaced };

  const std::vector<Span>& Spans() const;
  std::string_view EntryBytes(std::size_t i) const { return LineBytes(entries_[i]); }
  std::string_view LineAt(EntryId id) const;
  void Reset(std::string bytes);
  void Rebuild(std::string bytes);
  void Hold(Change change);
  void AddLines(std::size_t from);
  void Count(std::size_t i);
  HashIndex& IndexOf(const TableKey& key);
  void Split(std::size_t from) const;
  std::optional<std::vector<EntryId>> Search(const TableKey& key, std::u16string_view text,
                                             const std::string& spelling);

  std::filesystem::path host_;
  std::u16string shown_;
  bool loaded_ = false;
  TableTail tail_;
  std::string bytes_;
  // The lines and entries, split from the bytes on first need.
  mutable bool split_ = false;
  mutable std::vector<Span> lines_;
  mutable std::vector<std::uint32_t> entries_;  // the line of each entry
  bool counted_ = false;                        // highest_code_ covers every entry
  double highest_code_ = 0;
  std::map<TableKey, HashIndex> indexes_;
  std::array<std::uint32_t, 256> byte_counts_{};  // in the first 16 KiB
  bool bytes_counted_ = false;
  int searches_ = 0;
  Change change_ = Change::kNone;
  std::string appended_;  // the held appends' bytes, for one write
};

class PatternStore {
 public:
  struct Options {
    FileSystem* file_system = nullptr;  // the host's when null
    std::chrono::milliseconds lock_timeout{60000};
    // Called once when another run holds the lock and this one starts waiting.
    std::function<void()> on_wait;
  };

  // The lock file of a pattern-data folder; never a table, so that the
  // plotting system reads the tables while a run holds it.
  static constexpr std::u16string_view kLockName = u"boringconv.lock";

  // Opens folder (ending in "\") and takes its lock, waiting up to
  // lock_timeout; a run still holding it then stops this one. A folder where
  // no lock file can be made (missing, read-only) is opened without one: its
  // tables cannot change under this run's writes, and a missing table stops
  // the run with the usual message. A lock file that is a link, or that
  // cannot be opened or locked in a folder that can be written, stops the
  // run: its tables are never written unlocked. Scratch files left by a
  // killed run are removed once the lock is held.
  static std::unique_ptr<PatternStore> Open(const Environment& env, std::u16string folder,
                                            const Options& options);

  // A store without the lock, for a single section's work.
  PatternStore(const Environment& env, std::u16string folder, FileSystem& fs);
  ~PatternStore();
  PatternStore(const PatternStore&) = delete;
  PatternStore& operator=(const PatternStore&) = delete;

  // The table, read on first need; a missing or unreadable one stops the run.
  PatternTable& Table(std::u16string_view name);

  // Appends line to the table's file and to its copy.
  void Append(std::u16string_view name, std::u16string_view line);

  // Puts line into the table before its line `before` (a Lines() index), or
  // after the last when there is none, and rewrites the file in one step
  // through a scratch file of a name of its own (ReplaceFileBytes). The
  // other lines keep their bytes, so that bytes no code page reads survive.
  void Insert(std::u16string_view name, std::size_t before, std::u16string_view line);

  // While held, Append and Insert change only the copies in memory, so that
  // many additions cost one write: Commit then writes each changed table
  // once (an appended one in one write, a rewritten one through its scratch
  // file) and ends the hold; Discard forgets the changes, the tables being
  // read afresh on next need. A run that dies while held leaves the files
  // as they were.
  void Hold() { held_ = true; }
  bool held() const { return held_; }
  bool Changed(std::u16string_view name) const;
  void Commit();
  void Discard();

  std::filesystem::path HostPath(std::u16string_view name);
  std::u16string ShownName(std::u16string_view name) const {
    return folder_ + std::u16string(name);
  }

  const std::u16string& folder() const { return folder_; }
  FileSystem& file_system() const { return fs_; }
  bool locked() const { return lock_ != nullptr; }

 private:
  // The table's place, its host path resolved, loaded or not.
  PatternTable& Slot(std::u16string_view name);
  void TakeLock(const Options& options);
  void RemoveDeadScratchFiles();

  const Environment& env_;
  std::u16string folder_;
  FileSystem& fs_;
  std::unique_ptr<FileLock> lock_;
  bool held_ = false;
  std::map<std::u16string, PatternTable, std::less<>> tables_;
};

}  // namespace bc

#endif  // BORINGCONV_RUN_PATTERN_STORE_H_

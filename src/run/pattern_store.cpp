#include "run/pattern_store.h"

#include <algorithm>
#include <cstdint>
#include <thread>

#include "run/run_error.h"
#include "text/codepage.h"
#include "text/free_format.h"
#include "text/line_reader.h"
#include "text/numeric.h"
#include "text/trim.h"

namespace bc {
namespace {

constexpr std::chrono::milliseconds kLockPoll{100};

std::u16string LockTimeoutMessage(std::u16string_view folder) {
  return u"パターンデータフォルダを他の変換が使い続けています。"
         u"しばらくしてからやり直してください: " +
         std::u16string(folder);
}

std::u16string LockFailedMessage(std::u16string_view folder, std::u16string_view reason) {
  return u"パターンデータフォルダのロックファイルを使えないため、表を書き換えずに終了します（" +
         std::u16string(reason) + u"）: " + std::u16string(folder) +
         std::u16string(PatternStore::kLockName);
}

// A scratch file of the dictionary's replace: "XKISHITU.TXT.<tag>.<n>.tmp".
bool IsScratchName(std::u16string_view name) {
  constexpr std::u16string_view kStem = u"XKISHITU.TXT.";
  constexpr std::u16string_view kEnd = u".tmp";
  if (name.size() <= kStem.size() + kEnd.size() || !name.ends_with(kEnd)) return false;
  for (std::size_t i = 0; i < kStem.size(); ++i) {
    char16_t c = name[i] >= u'a' && name[i] <= u'z' ? char16_t(name[i] - 32) : name[i];
    if (c != kStem[i]) return false;
  }
  return true;
}

}  // namespace

std::vector<std::u16string> PatternTable::Lines() const {
  std::vector<std::u16string> lines;
  lines.reserve(Spans().size());
  for (std::size_t i = 0; i < lines_.size(); ++i) lines.push_back(DecodeAnsi(LineBytes(i)));
  return lines;
}

std::size_t PatternTable::size() const {
  Spans();
  return entries_.size();
}

PatternTable::Items PatternTable::Entry(std::size_t i) const {
  return ReadFreeFormatItems(DecodeAnsi(EntryBytes(i)));
}

PatternTable::EntryId PatternTable::Id(std::size_t i) const { return {Spans()[entries_[i]].begin}; }

std::vector<PatternTable::Items> PatternTable::Entries() const {
  std::vector<Items> entries;
  entries.reserve(size());
  for (std::size_t i = 0; i < entries_.size(); ++i) entries.push_back(Entry(i));
  return entries;
}

PatternTable::Items PatternTable::Entry(EntryId id) const {
  return ReadFreeFormatItems(DecodeAnsi(LineAt(id)));
}

std::u16string PatternTable::Item(EntryId id, std::size_t index) const {
  return DecodeAnsi(AnsiFreeFormatItem(LineAt(id), index));
}

// A line runs to the first CR or LF, as the splitting of the bytes has it.
std::string_view PatternTable::LineAt(EntryId id) const {
  std::string_view rest = std::string_view(bytes_).substr(id.offset);
  return rest.substr(0, rest.find_first_of("\r\n"));
}

const std::vector<PatternTable::Span>& PatternTable::Spans() const {
  if (!split_) {
    lines_.reserve(bytes_.size() / 16);  // a guess that spares most regrowing
    entries_.reserve(bytes_.size() / 16);
    Split(0);
    split_ = true;
  }
  return lines_;
}

// Takes the lines of bytes_ from offset `from` on, which start a line.
void PatternTable::Split(std::size_t from) const {
  const char* base = bytes_.data();
  ForEachLineAnyEnd(std::string_view(bytes_).substr(from), [this, base](std::string_view line) {
    // A blank is the space only, a byte no double-byte character ends in.
    if (line.find_first_not_of(' ') != std::string_view::npos) {
      entries_.push_back(static_cast<std::uint32_t>(lines_.size()));
    }
    lines_.push_back(
        {static_cast<std::uint32_t>(line.data() - base), static_cast<std::uint32_t>(line.size())});
  });
}

void PatternTable::Count(std::size_t i) {
  double value = NumericValue(DecodeAnsi(AnsiFreeFormatItem(EntryBytes(i), 0)));
  if (value > highest_code_) highest_code_ = value;
}

double PatternTable::HighestCode() {
  if (!counted_) {
    highest_code_ = 0;
    for (std::size_t i = 0, count = size(); i < count; ++i) Count(i);
    counted_ = true;
  }
  return highest_code_;
}

HashIndex& PatternTable::IndexOf(const TableKey& key) {
  auto [index, made] = indexes_.try_emplace(key);
  if (made) {
    index->second.Reserve(size());
    for (std::size_t i = 0; i < entries_.size(); ++i) {
      index->second.Add(KeyHash(key, EntryBytes(i)));
    }
  }
  return index->second;
}

std::vector<PatternTable::EntryId> PatternTable::Find(const TableKey& key,
                                                      std::u16string_view text) {
  if (!indexes_.contains(key) && searches_ < kSearchesBeforeIndex) {
    if (std::optional<std::string> spelling = KeyBytes(key, text)) {
      if (auto found = Search(key, text, *spelling)) return *found;
    }
  }
  std::vector<EntryId> found;
  for (std::size_t i : IndexOf(key).Find(KeyHash(text))) {
    if (KeyText(key, EntryBytes(i)) == text) found.push_back(Id(i));
  }
  return found;
}

// Every line holding the spelling, its key compared in full. The search
// runs from the spelling's rarest byte, which memchr finds fast; nothing
// when even that byte is so common that the index would be cheaper. How
// common a byte is, the table's first 16 KiB tell.
std::optional<std::vector<PatternTable::EntryId>> PatternTable::Search(
    const TableKey& key, std::u16string_view text, const std::string& spelling) {
  constexpr std::size_t kSample = 16 * 1024;
  if (!bytes_counted_) {
    for (unsigned char b : std::string_view(bytes_).substr(0, kSample)) ++byte_counts_[b];
    bytes_counted_ = true;
  }
  std::size_t lead = 0;
  for (std::size_t i = 1; i < spelling.size(); ++i) {
    if (byte_counts_[static_cast<unsigned char>(spelling[i])] <
        byte_counts_[static_cast<unsigned char>(spelling[lead])]) {
      lead = i;
    }
  }
  const double share =
      static_cast<double>(byte_counts_[static_cast<unsigned char>(spelling[lead])]) /
      static_cast<double>(std::clamp<std::size_t>(bytes_.size(), 1, kSample));
  if (share > 1.0 / 256) return std::nullopt;
  ++searches_;
  std::vector<EntryId> found;
  const std::string_view all(bytes_);
  std::size_t last_line = std::string_view::npos;
  for (std::size_t at = all.find(spelling[lead], lead); at != std::string_view::npos;
       at = all.find(spelling[lead], at + 1)) {
    std::size_t start = at - lead;
    if (all.compare(start, spelling.size(), spelling) != 0) continue;
    std::size_t end_of_last = all.find_last_of("\r\n", start);
    std::size_t line = end_of_last == std::string_view::npos ? 0 : end_of_last + 1;
    if (line == last_line) continue;
    last_line = line;
    EntryId id{static_cast<std::uint32_t>(line)};
    if (KeyText(key, LineAt(id)) == text) found.push_back(id);
  }
  return found;
}

void PatternTable::Reset(std::string bytes) {
  Rebuild(std::move(bytes));
  tail_ = TailOf(bytes_);
  change_ = Change::kNone;
  appended_.clear();
  loaded_ = true;
}

// Takes bytes as the table's copy, its lines and indexes made anew on need.
void PatternTable::Rebuild(std::string bytes) {
  bytes_ = std::move(bytes);
  split_ = false;
  lines_.clear();
  entries_.clear();
  indexes_.clear();
  counted_ = false;
  bytes_counted_ = false;
  byte_counts_.fill(0);
  searches_ = 0;
  AddLines(bytes_.size());
}

// A rewrite covers every append made before it.
void PatternTable::Hold(Change change) {
  if (change == Change::kReplaced) appended_.clear();
  if (change_ != Change::kReplaced) change_ = change;
}

// Takes in the lines appended to bytes_ from offset `from` on, which start
// a line; what has not been split or counted yet waits for its first need.
void PatternTable::AddLines(std::size_t from) {
  if (bytes_.size() > 0xFFFFFFFFu)
    throw RunError(u"表が大きすぎて読めません（4 GB 以上）: " + shown_);
  if (!split_) return;
  std::size_t first = entries_.size();
  Split(from);
  for (std::size_t i = first; i < entries_.size(); ++i) {
    if (counted_) Count(i);
    for (auto& [key, index] : indexes_) index.Add(KeyHash(key, EntryBytes(i)));
  }
}

std::unique_ptr<PatternStore> PatternStore::Open(const Environment& env, std::u16string folder,
                                                 const Options& options) {
  FileSystem& fs = options.file_system ? *options.file_system : FileSystem::Default();
  auto store = std::make_unique<PatternStore>(env, std::move(folder), fs);
  store->TakeLock(options);
  return store;
}

PatternStore::PatternStore(const Environment& env, std::u16string folder, FileSystem& fs)
    : env_(env), folder_(std::move(folder)), fs_(fs) {}

PatternStore::~PatternStore() = default;

void PatternStore::TakeLock(const Options& options) {
  if (folder_.empty()) return;  // no folder set: nowhere shared to guard
  const std::filesystem::path path = HostPath(kLockName);
  const auto deadline = std::chrono::steady_clock::now() + options.lock_timeout;
  bool waiting = false;
  while (true) {
    std::u16string reason;
    LockStatus status = fs_.TryLock(path, &lock_, &reason);
    if (status == LockStatus::kUnavailable) return;
    if (status == LockStatus::kFailed) throw RunError(LockFailedMessage(folder_, reason));
    if (status == LockStatus::kLocked) return RemoveDeadScratchFiles();
    auto now = std::chrono::steady_clock::now();
    if (now >= deadline) throw RunError(LockTimeoutMessage(folder_));
    if (!waiting && options.on_wait) options.on_wait();
    waiting = true;
    std::this_thread::sleep_for(
        std::min<std::chrono::steady_clock::duration>(kLockPoll, deadline - now));
  }
}

// Scratch files of a replace are made only under the lock, so those found by
// the lock's new holder are older than it: left by a run that was killed.
void PatternStore::RemoveDeadScratchFiles() {
  std::filesystem::path folder = HostPath(kLockName).parent_path();
  for (const std::filesystem::path& name : fs_.List(folder)) {
    if (IsScratchName(FromHostPath(name))) fs_.Remove(folder / name);
  }
}

PatternTable& PatternStore::Slot(std::u16string_view name) {
  auto table = tables_.find(name);
  if (table == tables_.end()) {
    table = tables_.emplace(std::u16string(name), PatternTable()).first;
    table->second.host_ = env_.HostPath(ShownName(name));
    table->second.shown_ = ShownName(name);
  }
  return table->second;
}

std::filesystem::path PatternStore::HostPath(std::u16string_view name) { return Slot(name).host_; }

PatternTable& PatternStore::Table(std::u16string_view name) {
  PatternTable& table = Slot(name);
  if (!table.loaded_) table.Reset(ReadTableBytes(fs_, table.host_, table.shown_));
  return table;
}

void PatternStore::Append(std::u16string_view name, std::u16string_view line) {
  PatternTable& table = Table(name);
  if (held_) {
    std::string bytes = EncodeExactly(line, table.shown_) + "\r\n";
    const char last = table.bytes_.empty() ? '\n' : table.bytes_.back();
    // The file gets the missing line end when the appends are written.
    if (last != '\n' && last != '\r') table.bytes_ += "\r\n";
    if (table.change_ != PatternTable::Change::kReplaced) table.appended_ += bytes;
    table.Hold(PatternTable::Change::kAppended);
    std::size_t from = table.bytes_.size();
    table.bytes_ += bytes;
    table.AddLines(from);
    return;
  }
  std::string bytes = AppendTableLine(fs_, table.host_, table.shown_, line, &table.tail_);
  if (bytes.front() == '\n') {
    // Behind a bare CR this LF would join the old last line; read it afresh.
    table.loaded_ = false;
    return;
  }
  std::size_t from = table.bytes_.size();
  table.bytes_ += bytes;
  table.AddLines(from);
}

void PatternStore::Insert(std::u16string_view name, std::size_t before, std::u16string_view line) {
  PatternTable& table = Table(name);
  std::string bytes = table.bytes_;
  std::size_t at = bytes.size();
  if (before < table.line_count()) {
    at = table.Spans()[before].begin;
  } else if (!bytes.empty() && bytes.back() != '\n' && bytes.back() != '\r') {
    bytes += "\r\n";
    at = bytes.size();
  }
  bytes.insert(at, EncodeExactly(line, table.shown_) + "\r\n");
  if (!held_) {
    ReplaceFileBytes(fs_, table.host_, table.shown_, bytes);
    table.Reset(std::move(bytes));
    return;
  }
  table.Rebuild(std::move(bytes));
  table.Hold(PatternTable::Change::kReplaced);
}

bool PatternStore::Changed(std::u16string_view name) const {
  auto table = tables_.find(name);
  return table != tables_.end() && table->second.change_ != PatternTable::Change::kNone;
}

// Rewritten tables go first: a dictionary's extension list then never
// lacks an entry that its main list gained.
void PatternStore::Commit() {
  held_ = false;
  for (PatternTable::Change change :
       {PatternTable::Change::kReplaced, PatternTable::Change::kAppended}) {
    for (auto& [name, table] : tables_) {
      if (table.change_ != change) continue;
      try {
        if (change == PatternTable::Change::kReplaced) {
          ReplaceFileBytes(fs_, table.host_, table.shown_, table.bytes_);
          table.tail_ = TailOf(table.bytes_);
        } else {
          AppendTableBytes(fs_, table.host_, table.shown_, table.appended_, &table.tail_);
        }
      } catch (const RunError&) {
        Discard();
        throw;
      }
      table.change_ = PatternTable::Change::kNone;
      table.appended_.clear();
    }
  }
}

void PatternStore::Discard() {
  held_ = false;
  for (auto& [name, table] : tables_) {
    if (table.change_ == PatternTable::Change::kNone) continue;
    table.change_ = PatternTable::Change::kNone;
    table.appended_.clear();
    table.loaded_ = false;
  }
}

}  // namespace bc

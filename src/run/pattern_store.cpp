#include "run/pattern_store.h"

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <random>
#include <thread>

#include "run/run_error.h"
#include "text/free_format.h"
#include "text/numeric.h"
#include "text/trim.h"

namespace bc {
namespace {

constexpr std::chrono::milliseconds kLockPoll{100};

// A scratch name no other run picks, even one on another computer sharing
// the folder: the lock keeps writers apart, the name keeps their debris apart.
std::filesystem::path ScratchPath(const std::filesystem::path& host) {
  static std::atomic<unsigned> counter{0};
  static const std::uint64_t tag = [] {
    std::random_device device;
    return (std::uint64_t{device()} << 32) ^ device() ^
           static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
  }();
  std::filesystem::path name = host.filename();
  name += "." + std::to_string(tag) + "." + std::to_string(counter++) + ".tmp";
  return host.parent_path() / name;
}

std::u16string LockTimeoutMessage(std::u16string_view folder) {
  return u"パターンデータフォルダを他の変換が使い続けています。"
         u"しばらくしてからやり直してください: " +
         std::u16string(folder);
}

}  // namespace

std::vector<std::u16string> PatternTable::Lines() const {
  std::vector<std::u16string> lines;
  lines.reserve(lines_.size());
  for (std::size_t i = 0; i < lines_.size(); ++i) lines.emplace_back(Line(i));
  return lines;
}

PatternTable::Items PatternTable::Entry(std::size_t i) const {
  return ReadFreeFormatItems(Line(entries_[i]));
}

std::vector<PatternTable::Items> PatternTable::Entries() const {
  std::vector<Items> entries;
  entries.reserve(entries_.size());
  for (std::size_t i = 0; i < entries_.size(); ++i) entries.push_back(Entry(i));
  return entries;
}

void PatternTable::Count(const Items& items) {
  double code = NumericValue(ItemOrEmpty(items, 0));
  if (code > highest_code_) highest_code_ = code;
}

double PatternTable::HighestCode() {
  if (!counted_) {
    highest_code_ = 0;
    for (std::size_t i = 0; i < entries_.size(); ++i) Count(Entry(i));
    counted_ = true;
  }
  return highest_code_;
}

PatternTable::Index& PatternTable::IndexOf(KeyOf key_of) {
  auto [index, made] = indexes_.try_emplace(key_of);
  if (made) {
    // One pass reads every entry; the highest code comes with it.
    bool count = !counted_;
    if (count) highest_code_ = 0;
    index->second.reserve(entries_.size());
    for (std::size_t i = 0; i < entries_.size(); ++i) {
      Items items = Entry(i);
      if (count) Count(items);
      index->second.emplace_back(std::hash<std::u16string>()(key_of(items)), i);
    }
    counted_ = true;
    std::sort(index->second.begin(), index->second.end());
  }
  return index->second;
}

std::vector<std::size_t> PatternTable::Find(KeyOf key_of, std::u16string_view key) {
  const Index& index = IndexOf(key_of);
  std::size_t hash = std::hash<std::u16string_view>()(key);
  std::vector<std::size_t> found;
  for (auto at = std::lower_bound(index.begin(), index.end(), std::make_pair(hash, std::size_t{0}));
       at != index.end() && at->first == hash; ++at) {
    if (key_of(Entry(at->second)) == key) found.push_back(at->second);
  }
  return found;
}

void PatternTable::Reset(std::string_view bytes) {
  text_.clear();
  lines_.clear();
  entries_.clear();
  indexes_.clear();
  counted_ = false;
  tail_ = TailOf(bytes);
  AddLines(bytes);
  loaded_ = true;
}

void PatternTable::AddLines(std::string_view bytes) {
  std::size_t first = entries_.size();
  text_.reserve(text_.size() + bytes.size());  // a character takes a byte or more
  ForEachTableLine(bytes, [this](std::u16string_view line) {
    if (!IsBlankText(line)) entries_.push_back(lines_.size());
    lines_.push_back({text_.size(), line.size()});
    text_ += line;
  });
  if (!counted_ && indexes_.empty()) return;  // nothing kept to bring up to date
  for (std::size_t i = first; i < entries_.size(); ++i) {
    Items items = Entry(i);
    if (counted_) Count(items);
    for (auto& [key_of, index] : indexes_) {
      std::pair<std::size_t, std::size_t> item(std::hash<std::u16string>()(key_of(items)), i);
      index.insert(std::upper_bound(index.begin(), index.end(), item), item);
    }
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
    LockStatus status = fs_.TryLock(path, &lock_);
    if (status == LockStatus::kLocked || status == LockStatus::kFailed) return;
    auto now = std::chrono::steady_clock::now();
    if (now >= deadline) throw RunError(LockTimeoutMessage(folder_));
    if (!waiting && options.on_wait) options.on_wait();
    waiting = true;
    std::this_thread::sleep_for(
        std::min<std::chrono::steady_clock::duration>(kLockPoll, deadline - now));
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
  std::string bytes = AppendTableLine(fs_, table.host_, table.shown_, line, &table.tail_);
  if (bytes.front() == '\n') {
    // Behind a bare CR this LF would join the old last line; read it afresh.
    table.loaded_ = false;
    return;
  }
  table.AddLines(bytes);
}

void PatternStore::Replace(std::u16string_view name, const std::vector<std::u16string>& lines) {
  PatternTable& table = Slot(name);
  table.Reset(ReplaceTableLines(fs_, table.host_, ScratchPath(table.host_), table.shown_, lines));
}

}  // namespace bc

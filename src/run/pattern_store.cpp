#include "run/pattern_store.h"

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <random>
#include <thread>

#include "run/run_error.h"
#include "text/codepage.h"
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
  for (std::size_t i = 0; i < lines_.size(); ++i) lines.push_back(DecodeAnsi(LineBytes(i)));
  return lines;
}

PatternTable::Items PatternTable::Entry(std::size_t i) const {
  return ReadFreeFormatItems(DecodeAnsi(LineBytes(entries_[i])));
}

std::u16string PatternTable::Item(std::size_t entry, std::size_t index) const {
  return DecodeAnsi(AnsiFreeFormatItem(EntryBytes(entry), index));
}

std::vector<PatternTable::Items> PatternTable::Entries() const {
  std::vector<Items> entries;
  entries.reserve(entries_.size());
  for (std::size_t i = 0; i < entries_.size(); ++i) entries.push_back(Entry(i));
  return entries;
}

// Codes are mostly a few plain digits, read here without decoding.
void PatternTable::Count(std::size_t i) {
  std::string_view code = AnsiFreeFormatItem(EntryBytes(i), 0);
  double value = 0;
  if (!code.empty() && code.size() <= 9 &&
      code.find_first_not_of("0123456789") == std::string_view::npos) {
    for (char digit : code) value = value * 10 + (digit - '0');
  } else {
    value = NumericValue(DecodeAnsi(code));
  }
  if (value > highest_code_) highest_code_ = value;
}

double PatternTable::HighestCode() {
  if (!counted_) {
    highest_code_ = 0;
    for (std::size_t i = 0; i < entries_.size(); ++i) Count(i);
    counted_ = true;
  }
  return highest_code_;
}

HashIndex& PatternTable::IndexOf(const TableKey& key) {
  auto [index, made] = indexes_.try_emplace(key);
  if (made) {
    index->second.Reserve(entries_.size());
    for (std::size_t i = 0; i < entries_.size(); ++i) {
      index->second.Add(KeyHash(key, EntryBytes(i)));
    }
  }
  return index->second;
}

std::vector<std::size_t> PatternTable::Find(const TableKey& key, std::u16string_view text) {
  std::vector<std::size_t> found = IndexOf(key).Find(KeyHash(text));
  std::erase_if(found, [&](std::size_t i) { return KeyText(key, EntryBytes(i)) != text; });
  return found;
}

void PatternTable::Reset(std::string bytes) {
  bytes_ = std::move(bytes);
  lines_.clear();
  entries_.clear();
  indexes_.clear();
  counted_ = false;
  tail_ = TailOf(bytes_);
  lines_.reserve(bytes_.size() / 16);  // a guess that spares most regrowing
  entries_.reserve(bytes_.size() / 16);
  AddLines(0);
  loaded_ = true;
}

// Takes the lines of bytes_ from offset `from` on, which start a line.
void PatternTable::AddLines(std::size_t from) {
  if (bytes_.size() > 0xFFFFFFFFu)
    throw RunError(u"表が大きすぎて読めません（4 GB 以上）: " + shown_);
  std::size_t first = entries_.size();
  const char* base = bytes_.data();
  ForEachTableLine(std::string_view(bytes_).substr(from), [this, base](std::string_view line) {
    // A blank is the space only, a byte no double-byte character ends in.
    if (line.find_first_not_of(' ') != std::string_view::npos) {
      entries_.push_back(static_cast<std::uint32_t>(lines_.size()));
    }
    lines_.push_back(
        {static_cast<std::uint32_t>(line.data() - base), static_cast<std::uint32_t>(line.size())});
  });
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
  std::size_t from = table.bytes_.size();
  table.bytes_ += bytes;
  table.AddLines(from);
}

void PatternStore::Replace(std::u16string_view name, const std::vector<std::u16string>& lines) {
  PatternTable& table = Slot(name);
  table.Reset(ReplaceTableLines(fs_, table.host_, ScratchPath(table.host_), table.shown_, lines));
}

}  // namespace bc

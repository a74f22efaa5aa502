#include "run/pattern_store.h"

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

const std::vector<std::size_t>& PatternTable::Find(KeyOf key_of, const std::u16string& key) {
  static const std::vector<std::size_t> kNone;
  auto [index, made] = indexes_.try_emplace(key_of);
  if (made) {
    for (std::size_t i = 0; i < entries_.size(); ++i)
      index->second[key_of(entries_[i])].push_back(i);
  }
  auto found = index->second.find(key);
  return found == index->second.end() ? kNone : found->second;
}

void PatternTable::Reset(std::string_view bytes) {
  lines_.clear();
  entries_.clear();
  indexes_.clear();
  highest_code_ = 0;
  tail_ = TailOf(bytes);
  AddLines(SplitTableLines(bytes));
  loaded_ = true;
}

void PatternTable::AddLines(std::vector<std::u16string> lines) {
  for (std::u16string& line : lines) {
    if (!IsBlankText(line)) {
      Items items = ReadFreeFormatItems(line);
      double code = NumericValue(ItemOrEmpty(items, 0));
      if (code > highest_code_) highest_code_ = code;
      for (auto& [key_of, index] : indexes_) index[key_of(items)].push_back(entries_.size());
      entries_.push_back(std::move(items));
    }
    lines_.push_back(std::move(line));
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

PatternTable& PatternStore::Entry(std::u16string_view name) {
  auto table = tables_.find(name);
  if (table == tables_.end()) {
    table = tables_.emplace(std::u16string(name), PatternTable()).first;
    table->second.host_ = env_.HostPath(ShownName(name));
    table->second.shown_ = ShownName(name);
  }
  return table->second;
}

std::filesystem::path PatternStore::HostPath(std::u16string_view name) { return Entry(name).host_; }

PatternTable& PatternStore::Table(std::u16string_view name) {
  PatternTable& table = Entry(name);
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
  table.AddLines(SplitTableLines(bytes));
}

void PatternStore::Replace(std::u16string_view name, const std::vector<std::u16string>& lines) {
  PatternTable& table = Entry(name);
  table.Reset(ReplaceTableLines(fs_, table.host_, ScratchPath(table.host_), table.shown_, lines));
}

}  // namespace bc

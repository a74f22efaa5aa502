#include "run/memory_file_system.h"

#include <utility>

namespace bc {
namespace {

// Records why a call failed; returns what the call returns.
template <typename Result>
Result Fail(FileError why, Result result) {
  SetLastFileError(why);
  return result;
}

}  // namespace

// Writes land in the file at once; the file may be removed meanwhile, as on
// a real disk, and then the bytes go nowhere.
class MemoryFileSystem::File : public WritableFile {
 public:
  File(std::shared_ptr<State> state, std::string key)
      : state_(std::move(state)), key_(std::move(key)) {}

  bool Write(std::string_view bytes) override {
    std::lock_guard<std::mutex> hold(state_->mutex);
    auto file = state_->files.find(key_);
    if (file != state_->files.end()) file->second.append(bytes);
    return !closed_ || Fail(FileError::kOther, false);
  }
  bool Sync() override { return !closed_ || Fail(FileError::kOther, false); }
  bool Close() override {
    closed_ = true;
    return true;
  }

 private:
  std::shared_ptr<State> state_;
  std::string key_;
  bool closed_ = false;
};

class MemoryFileSystem::Lock : public FileLock {
 public:
  Lock(std::shared_ptr<State> state, std::string key)
      : state_(std::move(state)), key_(std::move(key)) {}
  ~Lock() override {
    std::lock_guard<std::mutex> hold(state_->mutex);
    state_->locks.erase(key_);
  }

 private:
  std::shared_ptr<State> state_;
  std::string key_;
};

MemoryFileSystem::MemoryFileSystem() : state_(std::make_shared<State>()) {}
MemoryFileSystem::~MemoryFileSystem() = default;

std::string MemoryFileSystem::Key(const std::filesystem::path& path) {
  // UTF-8 on every platform, so that any name a host path holds is kept.
  std::u8string text = path.lexically_normal().generic_u8string();
  std::string key(text.begin(), text.end());
  while (key.size() > 1 && key.back() == '/') key.pop_back();
  return key;
}

bool MemoryFileSystem::FolderExists(const std::string& key) const {
  if (key.empty() || state_->folders.count(key) != 0) return true;
  std::string prefix = key == "/" ? key : key + "/";
  auto file = state_->files.lower_bound(prefix);
  return file != state_->files.end() && file->first.compare(0, prefix.size(), prefix) == 0;
}

void MemoryFileSystem::SetFile(const std::filesystem::path& path, std::string bytes) {
  std::lock_guard<std::mutex> hold(state_->mutex);
  state_->files[Key(path)] = std::move(bytes);
}

std::optional<std::string> MemoryFileSystem::GetFile(const std::filesystem::path& path) const {
  std::lock_guard<std::mutex> hold(state_->mutex);
  auto file = state_->files.find(Key(path));
  if (file == state_->files.end()) return std::nullopt;
  return file->second;
}

void MemoryFileSystem::AddFolder(const std::filesystem::path& path) {
  std::lock_guard<std::mutex> hold(state_->mutex);
  state_->folders.insert(Key(path));
}

void MemoryFileSystem::AddSymlink(const std::filesystem::path& path) {
  std::lock_guard<std::mutex> hold(state_->mutex);
  state_->links.insert(Key(path));
}

ReadStatus MemoryFileSystem::ReadFile(const std::filesystem::path& path, std::uint64_t limit,
                                      std::string* bytes) {
  std::lock_guard<std::mutex> hold(state_->mutex);
  std::string key = Key(path);
  if (state_->links.count(key) != 0) return Fail(FileError::kLink, ReadStatus::kCannotOpen);
  auto file = state_->files.find(key);
  if (file == state_->files.end()) {
    FileError why = FolderExists(key) ? FileError::kNotPlainFile : FileError::kNotFound;
    return Fail(why, ReadStatus::kCannotOpen);
  }
  if (file->second.size() > limit) return ReadStatus::kTooLarge;
  *bytes = file->second;
  return ReadStatus::kOk;
}

OpenStatus MemoryFileSystem::OpenWritable(const std::filesystem::path& path, WriteMode mode,
                                          std::unique_ptr<WritableFile>* file) {
  std::string key = Key(path);
  std::lock_guard<std::mutex> hold(state_->mutex);
  bool append = mode == WriteMode::kAppend;
  if (state_->links.count(key) != 0) return Fail(FileError::kLink, OpenStatus::kSymlink);
  if (!FolderExists(Key(path.parent_path())))
    return Fail(FileError::kNotFound, OpenStatus::kFailed);
  if (state_->folders.count(key) != 0) return Fail(FileError::kNotPlainFile, OpenStatus::kFailed);
  std::string& bytes = state_->files[key];
  if (!append) bytes.clear();
  *file = std::make_unique<File>(state_, key);
  return OpenStatus::kOk;
}

bool MemoryFileSystem::Truncate(const std::filesystem::path& path, std::uint64_t size) {
  std::lock_guard<std::mutex> hold(state_->mutex);
  auto file = state_->files.find(Key(path));
  if (file == state_->files.end()) return Fail(FileError::kNotFound, false);
  file->second.resize(static_cast<std::size_t>(size));
  return true;
}

bool MemoryFileSystem::Rename(const std::filesystem::path& from, const std::filesystem::path& to) {
  std::lock_guard<std::mutex> hold(state_->mutex);
  auto file = state_->files.find(Key(from));
  if (file == state_->files.end()) return Fail(FileError::kNotFound, false);
  std::string bytes = std::move(file->second);
  state_->files.erase(file);
  state_->links.erase(Key(to));
  state_->files[Key(to)] = std::move(bytes);
  return true;
}

bool MemoryFileSystem::Remove(const std::filesystem::path& path) {
  std::lock_guard<std::mutex> hold(state_->mutex);
  return state_->files.erase(Key(path)) != 0 || Fail(FileError::kNotFound, false);
}

LockStatus MemoryFileSystem::TryLock(const std::filesystem::path& path,
                                     std::unique_ptr<FileLock>* lock, std::u16string* reason) {
  std::string key = Key(path);
  std::lock_guard<std::mutex> hold(state_->mutex);
  if (!FolderExists(Key(path.parent_path()))) return LockStatus::kUnavailable;
  if (state_->links.count(key) != 0) {
    *reason = u"シンボリックリンクです";
    return Fail(FileError::kLink, LockStatus::kFailed);
  }
  state_->files.try_emplace(key);
  if (!state_->locks.insert(key).second) return LockStatus::kBusy;
  *lock = std::make_unique<Lock>(state_, key);
  return LockStatus::kLocked;
}

std::optional<std::uint64_t> MemoryFileSystem::FileSize(const std::filesystem::path& path) {
  std::lock_guard<std::mutex> hold(state_->mutex);
  auto file = state_->files.find(Key(path));
  if (file == state_->files.end())
    return Fail(FileError::kNotFound, std::optional<std::uint64_t>());
  return file->second.size();
}

bool MemoryFileSystem::Exists(const std::filesystem::path& path) {
  std::string key = Key(path);
  std::lock_guard<std::mutex> hold(state_->mutex);
  return state_->files.count(key) != 0 || FolderExists(key);
}

bool MemoryFileSystem::IsSymlink(const std::filesystem::path& path) {
  std::lock_guard<std::mutex> hold(state_->mutex);
  return state_->links.count(Key(path)) != 0;
}

std::vector<std::filesystem::path> MemoryFileSystem::List(const std::filesystem::path& folder) {
  std::string prefix = Key(folder);
  if (prefix != "/") prefix += "/";
  std::lock_guard<std::mutex> hold(state_->mutex);
  std::vector<std::filesystem::path> names;
  for (auto file = state_->files.lower_bound(prefix);
       file != state_->files.end() && file->first.compare(0, prefix.size(), prefix) == 0; ++file) {
    std::string rest = file->first.substr(prefix.size());
    if (rest.find('/') == std::string::npos)
      names.emplace_back(std::u8string(rest.begin(), rest.end()));
  }
  return names;
}

bool MemoryFileSystem::CreateFolder(const std::filesystem::path& path) {
  std::string key = Key(path);
  std::lock_guard<std::mutex> hold(state_->mutex);
  if (!FolderExists(Key(path.parent_path()))) return Fail(FileError::kNotFound, false);
  if (state_->files.count(key) != 0) return Fail(FileError::kNotPlainFile, false);
  return state_->folders.insert(key).second || Fail(FileError::kOther, false);
}

}  // namespace bc

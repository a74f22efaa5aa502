#include "support/faulty_file_system.h"

namespace bc::testing {
namespace {

class FaultyFile : public WritableFile {
 public:
  FaultyFile(FaultyFileSystem& fs, std::unique_ptr<WritableFile> base)
      : fs_(fs), base_(std::move(base)) {}

  bool Write(std::string_view bytes) override {
    if (!fs_.Fails(FileOp::kWrite)) return base_->Write(bytes);
    base_->Write(bytes.substr(0, bytes.size() / 2));
    base_->Sync();  // the half that made it reaches the file
    return false;
  }
  bool Sync() override { return !fs_.Fails(FileOp::kSync) && base_->Sync(); }
  bool Close() override {
    bool closed = base_->Close();
    return !fs_.Fails(FileOp::kClose) && closed;
  }

 private:
  FaultyFileSystem& fs_;
  std::unique_ptr<WritableFile> base_;
};

}  // namespace

std::string_view FileOpName(FileOp op) {
  constexpr std::array<std::string_view, kFileOpCount> kNames = {
      "read",   "open", "write", "sync", "close",         "truncate", "rename",
      "remove", "lock", "size",  "list", "create folder", "code page"};
  return kNames[static_cast<std::size_t>(op)];
}

FaultyFileSystem::FaultyFileSystem(FileSystem& base, FileOp op, int n, FileError why)
    : base_(base), op_(op), n_(n), why_(why) {}

bool FaultyFileSystem::Fails(FileOp op) {
  int count = ++counts_[static_cast<std::size_t>(op)];
  if (op != op_ || count != n_) return false;
  failed_ = true;
  SetLastFileError(why_);
  return true;
}

ReadStatus FaultyFileSystem::ReadFile(const std::filesystem::path& path, std::uint64_t limit,
                                      std::string* bytes) {
  if (Fails(FileOp::kRead)) return ReadStatus::kReadError;
  return base_.ReadFile(path, limit, bytes);
}

OpenStatus FaultyFileSystem::OpenWritable(const std::filesystem::path& path, WriteMode mode,
                                          std::unique_ptr<WritableFile>* file) {
  if (Fails(FileOp::kOpen)) return OpenStatus::kFailed;
  std::unique_ptr<WritableFile> base;
  OpenStatus status = base_.OpenWritable(path, mode, &base);
  if (status == OpenStatus::kOk) *file = std::make_unique<FaultyFile>(*this, std::move(base));
  return status;
}

bool FaultyFileSystem::Truncate(const std::filesystem::path& path, std::uint64_t size) {
  return !Fails(FileOp::kTruncate) && base_.Truncate(path, size);
}

bool FaultyFileSystem::Rename(const std::filesystem::path& from, const std::filesystem::path& to) {
  return !Fails(FileOp::kRename) && base_.Rename(from, to);
}

bool FaultyFileSystem::Remove(const std::filesystem::path& path) {
  return !Fails(FileOp::kRemove) && base_.Remove(path);
}

// A failed lock is one whose file could not be opened (EACCES, ENOSPC, EIO):
// the run must stop rather than go on unlocked.
LockStatus FaultyFileSystem::TryLock(const std::filesystem::path& path,
                                     std::unique_ptr<FileLock>* lock, std::u16string* reason) {
  if (Fails(FileOp::kLock)) {
    *reason = u"injected";
    return LockStatus::kFailed;
  }
  return base_.TryLock(path, lock, reason);
}

std::vector<std::filesystem::path> FaultyFileSystem::List(const std::filesystem::path& folder) {
  if (Fails(FileOp::kList)) return {};
  return base_.List(folder);
}

bool FaultyFileSystem::CreateFolder(const std::filesystem::path& path) {
  return !Fails(FileOp::kCreateFolder) && base_.CreateFolder(path);
}

bool FaultyFileSystem::CodePageReady() {
  return !Fails(FileOp::kCodePage) && base_.CodePageReady();
}

std::optional<std::uint64_t> FaultyFileSystem::FileSize(const std::filesystem::path& path) {
  if (Fails(FileOp::kSize)) return std::nullopt;
  return base_.FileSize(path);
}

}  // namespace bc::testing

// A file system that passes every operation to another one, except the Nth
// operation of one kind, which fails. A failing write first writes half of
// its bytes, as a disk that fills up does.
#ifndef BORINGCONV_TESTS_SUPPORT_FAULTY_FILE_SYSTEM_H_
#define BORINGCONV_TESTS_SUPPORT_FAULTY_FILE_SYSTEM_H_

#include <array>
#include <string_view>

#include "run/file_system.h"

namespace bc::testing {

enum class FileOp {
  kRead,
  kOpen,
  kWrite,
  kSync,
  kClose,
  kTruncate,
  kRename,
  kRemove,
  kLock,
  kSize,
  kList,
  kCreateFolder,
  kCodePage,
  kCount
};
constexpr std::size_t kFileOpCount = static_cast<std::size_t>(FileOp::kCount);

std::string_view FileOpName(FileOp op);

class FaultyFileSystem : public FileSystem {
 public:
  // Fails the nth (from 1) operation of kind op, giving why as the reason;
  // 0 fails none.
  FaultyFileSystem(FileSystem& base, FileOp op, int n, FileError why = FileError::kIoError);

  // Operations of each kind so far, the failed one included.
  int count(FileOp op) const { return counts_[static_cast<std::size_t>(op)]; }
  bool failed() const { return failed_; }

  using FileSystem::ReadFile;
  ReadStatus ReadFile(const std::filesystem::path& path, std::uint64_t limit,
                      std::string* bytes) override;
  OpenStatus OpenWritable(const std::filesystem::path& path, WriteMode mode,
                          std::unique_ptr<WritableFile>* file) override;
  bool Truncate(const std::filesystem::path& path, std::uint64_t size) override;
  bool Rename(const std::filesystem::path& from, const std::filesystem::path& to) override;
  bool Remove(const std::filesystem::path& path) override;
  LockStatus TryLock(const std::filesystem::path& path, std::unique_ptr<FileLock>* lock,
                     std::u16string* reason) override;
  std::optional<std::uint64_t> FileSize(const std::filesystem::path& path) override;
  bool Exists(const std::filesystem::path& path) override { return base_.Exists(path); }
  bool IsSymlink(const std::filesystem::path& path) override { return base_.IsSymlink(path); }
  std::vector<std::filesystem::path> List(const std::filesystem::path& folder) override;
  bool CreateFolder(const std::filesystem::path& path) override;
  bool CodePageReady() override;

  // True when this operation is the one to fail.
  bool Fails(FileOp op);

 private:
  FileSystem& base_;
  FileOp op_;
  int n_;
  FileError why_;
  bool failed_ = false;
  std::array<int, kFileOpCount> counts_{};
};

}  // namespace bc::testing

#endif  // BORINGCONV_TESTS_SUPPORT_FAULTY_FILE_SYSTEM_H_

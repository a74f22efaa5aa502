#ifndef _WIN32

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <utility>

#include "environment/file_error.h"
#include "run/buffered_file.h"
#include "run/file_system.h"

namespace bc {
namespace {

constexpr std::size_t kReadChunk = 64 * 1024;

// Retries a call cut short by a signal.
template <typename Call>
auto Retry(Call call) {
  decltype(call()) result;
  do {
    result = call();
  } while (result == -1 && errno == EINTR);
  return result;
}

// Records errno as the thread's last file error; returns false.
bool Failed() {
  SetLastFileError(FileErrorFromErrno(errno == 0 ? EIO : errno));
  return false;
}

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    errno = 0;
    ssize_t n = Retry([&] { return ::write(fd, bytes.data(), bytes.size()); });
    if (n <= 0) return Failed();
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

class PosixWritableFile : public BufferedFile {
 public:
  explicit PosixWritableFile(int fd) : fd_(fd) {}
  ~PosixWritableFile() override { Close(); }

 private:
  bool IsOpen() const override { return fd_ >= 0; }
  bool WriteRaw(std::string_view bytes) override { return WriteAll(fd_, bytes); }
  bool SyncRaw() override { return ::fsync(fd_) == 0 || Failed(); }
  bool CloseRaw() override {
    bool closed = ::close(fd_) == 0 || Failed();
    fd_ = -1;
    return closed;
  }

  int fd_;
};

class PosixLock : public FileLock {
 public:
  explicit PosixLock(int fd) : fd_(fd) {}
  ~PosixLock() override { ::close(fd_); }  // closing drops the lock

 private:
  int fd_;
};

// A lock of the open file description, not of the process: two stores of one
// process exclude each other too, and a network file system sees it.
LockStatus LockDescription(int fd) {
#ifdef F_OFD_SETLK
  struct flock request = {};
  request.l_type = F_WRLCK;
  request.l_whence = SEEK_SET;
  if (Retry([&] { return ::fcntl(fd, F_OFD_SETLK, &request); }) == 0) return LockStatus::kLocked;
  if (errno == EAGAIN || errno == EACCES) return LockStatus::kBusy;
  if (errno != EINVAL) return LockStatus::kFailed;
#endif
  if (Retry([&] { return ::flock(fd, LOCK_EX | LOCK_NB); }) == 0) return LockStatus::kLocked;
  return errno == EWOULDBLOCK ? LockStatus::kBusy : LockStatus::kFailed;
}

class PosixFileSystem : public FileSystem {
 public:
  ReadStatus ReadFile(const std::filesystem::path& path, std::string* bytes) override {
    return Read(path, SIZE_MAX, bytes);
  }

  ReadStatus ReadHead(const std::filesystem::path& path, std::size_t limit,
                      std::string* bytes) override {
    return Read(path, limit, bytes);
  }

  OpenStatus OpenWritable(const std::filesystem::path& path, WriteMode mode,
                          std::unique_ptr<WritableFile>* file) override {
    bool append = mode == WriteMode::kAppend;
    int flags = O_WRONLY | O_CREAT | O_CLOEXEC | (append ? O_APPEND : O_TRUNC | O_NOFOLLOW);
    int fd = Retry([&] { return ::open(path.c_str(), flags, 0666); });
    if (fd < 0) {
      Failed();
      return errno == ELOOP && IsSymlink(path) ? OpenStatus::kSymlink : OpenStatus::kFailed;
    }
    *file = std::make_unique<PosixWritableFile>(fd);
    return OpenStatus::kOk;
  }

  bool Truncate(const std::filesystem::path& path, std::uint64_t size) override {
    return Retry([&] { return ::truncate(path.c_str(), static_cast<off_t>(size)); }) == 0 ||
           Failed();
  }

  bool Rename(const std::filesystem::path& from, const std::filesystem::path& to) override {
    if (::rename(from.c_str(), to.c_str()) != 0) return Failed();
    SyncFolder(to.parent_path());
    return true;
  }

  bool Remove(const std::filesystem::path& path) override {
    return ::unlink(path.c_str()) == 0 || Failed();
  }

  LockStatus TryLock(const std::filesystem::path& path, std::unique_ptr<FileLock>* lock) override {
    int fd = Retry([&] { return ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666); });
    if (fd < 0) {
      Failed();
      return LockStatus::kFailed;
    }
    LockStatus status = LockDescription(fd);
    if (status != LockStatus::kLocked) {
      ::close(fd);
      return status;
    }
    *lock = std::make_unique<PosixLock>(fd);
    return status;
  }

  std::optional<std::uint64_t> FileSize(const std::filesystem::path& path) override {
    struct stat info;
    if (::stat(path.c_str(), &info) != 0) {
      Failed();
      return std::nullopt;
    }
    return static_cast<std::uint64_t>(info.st_size);
  }

  bool Exists(const std::filesystem::path& path) override {
    struct stat info;
    return ::stat(path.c_str(), &info) == 0;
  }

  bool IsSymlink(const std::filesystem::path& path) override {
    struct stat info;
    return ::lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode);
  }

  std::vector<std::filesystem::path> List(const std::filesystem::path& folder) override {
    std::vector<std::filesystem::path> names;
    DIR* dir = ::opendir(folder.c_str());
    if (dir == nullptr) return names;
    while (const dirent* entry = ::readdir(dir)) {
      std::string_view name = entry->d_name;
      if (name != "." && name != "..") names.emplace_back(name);
    }
    ::closedir(dir);
    return names;
  }

  bool CreateFolder(const std::filesystem::path& path) override {
    return ::mkdir(path.c_str(), 0777) == 0 || Failed();
  }

 private:
  // At most limit bytes of a plain file. A pipe or device is refused on the
  // open descriptor, opened without blocking so that a pipe cannot hang.
  static ReadStatus Read(const std::filesystem::path& path, std::size_t limit, std::string* bytes) {
    int fd = Retry([&] { return ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK); });
    if (fd < 0) {
      Failed();
      return ReadStatus::kCannotOpen;
    }
    struct stat info;
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
      SetLastFileError(FileError::kNotPlainFile);
      ::close(fd);
      return ReadStatus::kCannotOpen;
    }
    bytes->clear();
    bytes->reserve(std::min(limit, static_cast<std::size_t>(info.st_size)));
    char chunk[kReadChunk];
    ssize_t n = 0;
    while (bytes->size() < limit) {
      std::size_t want = std::min(sizeof chunk, limit - bytes->size());
      n = Retry([&] { return ::read(fd, chunk, want); });
      if (n <= 0) break;
      bytes->append(chunk, static_cast<std::size_t>(n));
    }
    if (n < 0) Failed();
    ::close(fd);
    return n >= 0 ? ReadStatus::kOk : ReadStatus::kReadError;
  }

  // After a rename, the folder's entry is what must reach the disk.
  static void SyncFolder(const std::filesystem::path& folder) {
    int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
  }
};

}  // namespace

std::unique_ptr<FileSystem> NewHostFileSystem() { return std::make_unique<PosixFileSystem>(); }

}  // namespace bc

#endif  // _WIN32

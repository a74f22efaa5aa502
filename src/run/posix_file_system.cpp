#ifndef _WIN32

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <utility>

#include "environment/file_error.h"
#include "run/buffered_file.h"
#include "run/file_system.h"
#include "text/utf8.h"

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

// Reads up to limit bytes (a file may grow after its size was taken);
// expected is the size fstat gave.
ReadStatus ReadAll(int fd, std::size_t expected, std::uint64_t limit, std::string* bytes) {
  bytes->clear();
  bytes->reserve(expected);
  char chunk[kReadChunk];
  ssize_t n;
  while ((n = Retry([&] { return ::read(fd, chunk, sizeof chunk); })) > 0) {
    if (bytes->size() + static_cast<std::size_t>(n) > limit) return ReadStatus::kTooLarge;
    bytes->append(chunk, static_cast<std::size_t>(n));
  }
  if (n < 0) Failed();
  return n == 0 ? ReadStatus::kOk : ReadStatus::kReadError;
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

// The system's reason for a failed call, as the user reads it.
std::u16string Reason(int error) {
  switch (error) {
    case EACCES:
    case EPERM:
      return u"アクセスが許可されていません";
    case EROFS:
      return u"読み取り専用です";
    case ENOSPC:
      return u"ディスクがいっぱいです";
    case ENOENT:
      return u"見つかりません";
    case ELOOP:
      return u"シンボリックリンクです";
    case EIO:
      return u"読み書きエラーです";
    default:
      return FromUtf8(std::strerror(error));
  }
}

// Both kinds of lock on the open file description, so that a holder of
// either kind is honoured (on Linux an fcntl lock and a flock lock ignore
// each other; flock(1) takes the latter). The fcntl lock is the one a
// network file system sees; it is a write lock when the file is open for
// writing, else a read lock, which still excludes every writer while the
// flock lock excludes the other read-only holders.
LockStatus LockDescription(int fd, bool writable, std::u16string* reason) {
#ifdef F_OFD_SETLK
  struct flock request = {};
  request.l_type = writable ? F_WRLCK : F_RDLCK;
  request.l_whence = SEEK_SET;
  if (Retry([&] { return ::fcntl(fd, F_OFD_SETLK, &request); }) != 0) {
    if (errno == EAGAIN || errno == EACCES) return LockStatus::kBusy;
    if (errno != EINVAL) {
      *reason = Reason(errno);
      return LockStatus::kFailed;
    }
  }
#else
  (void)writable;
#endif
  if (Retry([&] { return ::flock(fd, LOCK_EX | LOCK_NB); }) == 0) return LockStatus::kLocked;
  if (errno == EWOULDBLOCK) return LockStatus::kBusy;
  *reason = Reason(errno);
  return LockStatus::kFailed;
}

// Opens the lock file without following a link or waiting on a FIFO: for
// writing, created when missing; else, when the file is there but not this
// user's to write (another user made it), for reading.
int OpenLockFile(const std::filesystem::path& path, bool* writable) {
  constexpr int kFlags = O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK;
  *writable = true;
  int fd = Retry([&] { return ::open(path.c_str(), O_RDWR | O_CREAT | kFlags, 0666); });
  if (fd >= 0 || (errno != EACCES && errno != EPERM && errno != EROFS)) return fd;
  int error = errno;
  *writable = false;
  fd = Retry([&] { return ::open(path.c_str(), O_RDONLY | kFlags); });
  if (fd < 0) errno = error;
  return fd;
}

class PosixFileSystem : public FileSystem {
 public:
  ReadStatus ReadFile(const std::filesystem::path& path, std::uint64_t limit,
                      std::string* bytes) override {
    int fd = OpenForReading(path);
    if (fd < 0) return ReadStatus::kCannotOpen;
    struct stat info;
    ReadStatus status = ReadStatus::kOk;
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
      SetLastFileError(FileError::kNotPlainFile);
      status = ReadStatus::kCannotOpen;
    } else if (static_cast<std::uint64_t>(info.st_size) > limit) {
      status = ReadStatus::kTooLarge;
    } else {
      status = ReadAll(fd, static_cast<std::size_t>(info.st_size), limit, bytes);
    }
    ::close(fd);
    return status;
  }

  ReadStatus ReadHead(const std::filesystem::path& path, std::size_t limit,
                      std::string* bytes) override {
    return ReadStart(path, limit, bytes);
  }

  OpenStatus OpenWritable(const std::filesystem::path& path, WriteMode mode,
                          std::unique_ptr<WritableFile>* file) override {
    bool append = mode == WriteMode::kAppend;
    int flags = O_WRONLY | O_CREAT | O_CLOEXEC | O_NOFOLLOW | (append ? O_APPEND : O_TRUNC);
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
    return SyncFolder(to.parent_path()) || Failed();
  }

  bool Remove(const std::filesystem::path& path) override {
    return ::unlink(path.c_str()) == 0 || Failed();
  }

  LockStatus TryLock(const std::filesystem::path& path, std::unique_ptr<FileLock>* lock,
                     std::u16string* reason) override {
    bool writable = true;
    int fd = OpenLockFile(path, &writable);
    if (fd < 0) {
      if (errno == ENOENT || errno == EROFS || (errno == EACCES && !FolderWritable(path))) {
        return LockStatus::kUnavailable;
      }
      *reason = Reason(errno == ELOOP && IsSymlink(path) ? ELOOP : errno);
      Failed();
      return LockStatus::kFailed;
    }
    struct stat info;
    LockStatus status = LockStatus::kFailed;
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
      *reason = u"通常のファイルではありません";
    } else {
      status = LockDescription(fd, writable, reason);
    }
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
  // Opens without waiting (a FIFO cannot hold the run), recording why not.
  static int OpenForReading(const std::filesystem::path& path) {
    int fd =
        Retry([&] { return ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY); });
    if (fd < 0) Failed();
    return fd;
  }

  // At most the first limit bytes of a plain file.
  static ReadStatus ReadStart(const std::filesystem::path& path, std::size_t limit,
                              std::string* bytes) {
    int fd = OpenForReading(path);
    if (fd < 0) return ReadStatus::kCannotOpen;
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

  // After a rename, the folder's entry is what must reach the disk: a
  // rename the disk may still lose is no replace.
  static bool SyncFolder(const std::filesystem::path& folder) {
    int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return false;
    // Some file systems cannot sync a folder at all; their renames stand.
    bool synced = ::fsync(fd) == 0 || errno == EINVAL || errno == ENOTSUP;
    ::close(fd);
    return synced;
  }

  static bool FolderWritable(const std::filesystem::path& file) {
    std::filesystem::path folder = file.parent_path();
    return ::access(folder.empty() ? "." : folder.c_str(), W_OK) == 0;
  }
};

}  // namespace

std::unique_ptr<FileSystem> NewHostFileSystem() { return std::make_unique<PosixFileSystem>(); }

}  // namespace bc

#endif  // _WIN32

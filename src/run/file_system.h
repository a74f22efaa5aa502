// The file operations of a run behind one small interface, so that tests can
// make any one of them fail and a fuzz target can run on files in memory.
// The real implementations are the POSIX and the Windows one.
#ifndef BORINGCONV_RUN_FILE_SYSTEM_H_
#define BORINGCONV_RUN_FILE_SYSTEM_H_

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "environment/file_error.h"

namespace bc {

// How a read ended: a file that cannot be opened (missing, not a plain file,
// no access) is told apart from one that fails while being read, and from
// one larger than the reader takes (not read at all).
enum class ReadStatus { kOk, kCannotOpen, kReadError, kTooLarge };

// kReplace creates or empties the file (outputs, scratch files); kAppend
// grows it (tables, markers). Neither writes through a symbolic link (a
// reparse point on Windows) at the name: it could point anywhere.
enum class WriteMode { kReplace, kAppend };

// How an open for writing ended.
enum class OpenStatus { kOk, kFailed, kSymlink };

// How a lock attempt ended: kBusy when another holder has it; kUnavailable
// when no lock file can exist (the folder is missing or read-only, so that
// nothing there can be written either); kFailed otherwise (the lock file is
// a link, or cannot be opened or locked), with the reason.
enum class LockStatus { kLocked, kBusy, kUnavailable, kFailed };

// A file open for writing. Writes may be buffered; Sync and Close report a
// failure of any write before them.
class WritableFile {
 public:
  virtual ~WritableFile() = default;
  virtual bool Write(std::string_view bytes) = 0;
  // Hands buffered bytes to the system and forces them to the disk.
  virtual bool Sync() = 0;
  virtual bool Close() = 0;
};

// A held lock; released when destroyed.
class FileLock {
 public:
  virtual ~FileLock() = default;
};

// Every call that fails records why as the thread's LastFileError().
class FileSystem {
 public:
  // The real file system of the host, shared by the whole process.
  static FileSystem& Default();

  virtual ~FileSystem() = default;

  static constexpr std::uint64_t kNoLimit = ~std::uint64_t{0};

  // Reads a whole plain file. The open never waits (a FIFO cannot hold the
  // run) and the file's type and size are checked on the open file: a FIFO
  // or device gives kCannotOpen, a file above limit bytes kTooLarge.
  virtual ReadStatus ReadFile(const std::filesystem::path& path, std::uint64_t limit,
                              std::string* bytes) = 0;
  ReadStatus ReadFile(const std::filesystem::path& path, std::string* bytes) {
    return ReadFile(path, kNoLimit, bytes);
  }

  // At most the first limit bytes of a file (enough to tell what it is).
  virtual ReadStatus ReadHead(const std::filesystem::path& path, std::size_t limit,
                              std::string* bytes);

  // Opens for writing; a link at path gives kSymlink.
  virtual OpenStatus OpenWritable(const std::filesystem::path& path, WriteMode mode,
                                  std::unique_ptr<WritableFile>* file) = 0;

  virtual bool Truncate(const std::filesystem::path& path, std::uint64_t size) = 0;

  // Replaces to with from in one step, and makes that durable: false when
  // the rename or the sync of the folder's entry fails.
  virtual bool Rename(const std::filesystem::path& from, const std::filesystem::path& to) = 0;

  virtual bool Remove(const std::filesystem::path& path) = 0;

  // Takes an exclusive lock on path, created when missing (readable and
  // writable by every sharer of the folder, as the umask allows), without
  // waiting. The system drops it when the holder dies. *reason says why a
  // kFailed attempt failed.
  virtual LockStatus TryLock(const std::filesystem::path& path, std::unique_ptr<FileLock>* lock,
                             std::u16string* reason) = 0;

  virtual std::optional<std::uint64_t> FileSize(const std::filesystem::path& path) = 0;
  virtual bool Exists(const std::filesystem::path& path) = 0;
  virtual bool IsSymlink(const std::filesystem::path& path) = 0;

  // The names of the entries of a folder; empty when it cannot be listed.
  virtual std::vector<std::filesystem::path> List(const std::filesystem::path& folder) = 0;

  virtual bool CreateFolder(const std::filesystem::path& path) = 0;

  // The code page's converter is set up (see AnsiCodePageReady).
  virtual bool CodePageReady();
};

// The platform's implementation (posix_file_system.cpp or
// windows_file_system.cpp).
std::unique_ptr<FileSystem> NewHostFileSystem();

}  // namespace bc

#endif  // BORINGCONV_RUN_FILE_SYSTEM_H_

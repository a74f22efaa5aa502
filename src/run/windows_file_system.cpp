#ifdef _WIN32

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <utility>

#include "environment/file_error.h"
#include "run/buffered_file.h"
#include "run/file_system.h"

namespace bc {
namespace {

constexpr DWORD kChunkSize = 64 * 1024;
constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

// Records GetLastError() as the thread's last file error; returns false.
bool Failed() {
  DWORD code = ::GetLastError();
  SetLastFileError(code == 0 ? FileError::kIoError : FileErrorFromWindows(code));
  return false;
}

bool WriteAll(HANDLE handle, std::string_view bytes) {
  while (!bytes.empty()) {
    DWORD chunk = bytes.size() > kChunkSize ? kChunkSize : static_cast<DWORD>(bytes.size());
    DWORD written = 0;
    ::SetLastError(0);
    if (!::WriteFile(handle, bytes.data(), chunk, &written, nullptr) || written == 0)
      return Failed();
    bytes.remove_prefix(written);
  }
  return true;
}

ReadStatus ReadAll(HANDLE handle, std::size_t expected, std::uint64_t limit, std::string* bytes) {
  bytes->clear();
  bytes->reserve(expected);
  std::string chunk(kChunkSize, '\0');
  while (true) {
    DWORD n = 0;
    if (!::ReadFile(handle, chunk.data(), kChunkSize, &n, nullptr)) {
      Failed();
      return ReadStatus::kReadError;
    }
    if (n == 0) return ReadStatus::kOk;
    if (bytes->size() + n > limit) return ReadStatus::kTooLarge;
    bytes->append(chunk.data(), n);
  }
}

class WindowsWritableFile : public BufferedFile {
 public:
  explicit WindowsWritableFile(HANDLE handle) : handle_(handle) {}
  ~WindowsWritableFile() override { Close(); }

 private:
  bool IsOpen() const override { return handle_ != INVALID_HANDLE_VALUE; }
  bool WriteRaw(std::string_view bytes) override { return WriteAll(handle_, bytes); }
  bool SyncRaw() override { return ::FlushFileBuffers(handle_) != 0 || Failed(); }
  bool CloseRaw() override {
    bool closed = ::CloseHandle(handle_) != 0 || Failed();
    handle_ = INVALID_HANDLE_VALUE;
    return closed;
  }

  HANDLE handle_;
};

class WindowsLock : public FileLock {
 public:
  explicit WindowsLock(HANDLE handle) : handle_(handle) {}
  ~WindowsLock() override { ::CloseHandle(handle_); }  // closing drops the lock

 private:
  HANDLE handle_;
};

DWORD Attributes(const std::filesystem::path& path) { return ::GetFileAttributesW(path.c_str()); }

bool IsReparsePoint(HANDLE handle) {
  BY_HANDLE_FILE_INFORMATION info;
  return ::GetFileInformationByHandle(handle, &info) &&
         (info.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT);
}

// The system's reason for a failed call, as the user reads it.
std::u16string Reason(DWORD error) {
  switch (error) {
    case ERROR_ACCESS_DENIED:
      return u"アクセスが許可されていません";
    case ERROR_WRITE_PROTECT:
      return u"読み取り専用です";
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
      return u"ディスクがいっぱいです";
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
      return u"見つかりません";
    case ERROR_SHARING_VIOLATION:
      return u"他のプログラムが使っています";
    default: {
      std::wstring number = std::to_wstring(error);
      return u"エラー " + std::u16string(number.begin(), number.end());
    }
  }
}

// Opens the lock file itself, never what a reparse point at its name points
// to: for writing, created when missing; else for reading (another user's
// file), which LockFileEx takes as well.
HANDLE OpenLockFile(const std::filesystem::path& path) {
  constexpr DWORD kFlags = FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT;
  HANDLE handle = ::CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, kShareAll, nullptr,
                                OPEN_ALWAYS, kFlags, nullptr);
  if (handle != INVALID_HANDLE_VALUE || ::GetLastError() != ERROR_ACCESS_DENIED) return handle;
  handle =
      ::CreateFileW(path.c_str(), GENERIC_READ, kShareAll, nullptr, OPEN_EXISTING, kFlags, nullptr);
  if (handle != INVALID_HANDLE_VALUE) return handle;
  // No file, and none may be made: a folder nothing can be written to.
  bool missing = ::GetLastError() == ERROR_FILE_NOT_FOUND;
  ::SetLastError(missing ? ERROR_WRITE_PROTECT : ERROR_ACCESS_DENIED);
  return handle;
}

class WindowsFileSystem : public FileSystem {
 public:
  ReadStatus ReadFile(const std::filesystem::path& path, std::uint64_t limit,
                      std::string* bytes) override {
    HANDLE handle = ::CreateFileW(path.c_str(), GENERIC_READ, kShareAll, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
      Failed();
      return ReadStatus::kCannotOpen;
    }
    LARGE_INTEGER size;
    ReadStatus status = ReadStatus::kCannotOpen;
    if (::GetFileType(handle) == FILE_TYPE_DISK && ::GetFileSizeEx(handle, &size)) {
      status = static_cast<std::uint64_t>(size.QuadPart) > limit
                   ? ReadStatus::kTooLarge
                   : ReadAll(handle, static_cast<std::size_t>(size.QuadPart), limit, bytes);
    } else {
      SetLastFileError(FileError::kNotPlainFile);
    }
    ::CloseHandle(handle);
    return status;
  }

  ReadStatus ReadHead(const std::filesystem::path& path, std::size_t limit,
                      std::string* bytes) override {
    return Read(path, limit, bytes);
  }

  OpenStatus OpenWritable(const std::filesystem::path& path, WriteMode mode,
                          std::unique_ptr<WritableFile>* file) override {
    // A reparse point (symbolic link, junction) at the name is never written
    // through: the handle is the reparse point's own, checked once open.
    bool append = mode == WriteMode::kAppend;
    if (IsSymlink(path)) {
      SetLastFileError(FileError::kLink);
      return OpenStatus::kSymlink;
    }
    DWORD access = append ? FILE_APPEND_DATA : GENERIC_WRITE;
    HANDLE handle = ::CreateFileW(path.c_str(), access | FILE_READ_ATTRIBUTES, kShareAll, nullptr,
                                  append ? OPEN_ALWAYS : CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
      Failed();
      return OpenStatus::kFailed;
    }
    if (IsReparsePoint(handle) || ::GetFileType(handle) != FILE_TYPE_DISK) {
      ::CloseHandle(handle);
      SetLastFileError(FileError::kLink);
      return OpenStatus::kSymlink;
    }
    *file = std::make_unique<WindowsWritableFile>(handle);
    return OpenStatus::kOk;
  }

  bool Truncate(const std::filesystem::path& path, std::uint64_t size) override {
    HANDLE handle = ::CreateFileW(path.c_str(), GENERIC_WRITE, kShareAll, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return Failed();
    LARGE_INTEGER end;
    end.QuadPart = static_cast<LONGLONG>(size);
    bool ok = (::SetFilePointerEx(handle, end, nullptr, FILE_BEGIN) && ::SetEndOfFile(handle)) ||
              Failed();
    return ::CloseHandle(handle) && ok;
  }

  bool Rename(const std::filesystem::path& from, const std::filesystem::path& to) override {
    return ::MoveFileExW(from.c_str(), to.c_str(),
                         MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0 ||
           Failed();
  }

  bool Remove(const std::filesystem::path& path) override {
    return ::DeleteFileW(path.c_str()) != 0 || Failed();
  }

  LockStatus TryLock(const std::filesystem::path& path, std::unique_ptr<FileLock>* lock,
                     std::u16string* reason) override {
    HANDLE handle = OpenLockFile(path);
    if (handle == INVALID_HANDLE_VALUE) {
      DWORD error = ::GetLastError();
      if (error == ERROR_PATH_NOT_FOUND || error == ERROR_WRITE_PROTECT) {
        return LockStatus::kUnavailable;
      }
      *reason = Reason(error);
      Failed();
      return LockStatus::kFailed;
    }
    if (IsReparsePoint(handle) || ::GetFileType(handle) != FILE_TYPE_DISK) {
      ::CloseHandle(handle);
      *reason = u"通常のファイルではありません";
      return LockStatus::kFailed;
    }
    OVERLAPPED at = {};
    if (!::LockFileEx(handle, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &at)) {
      DWORD error = ::GetLastError();
      ::CloseHandle(handle);
      if (error == ERROR_LOCK_VIOLATION || error == ERROR_IO_PENDING) return LockStatus::kBusy;
      *reason = Reason(error);
      return LockStatus::kFailed;
    }
    *lock = std::make_unique<WindowsLock>(handle);
    return LockStatus::kLocked;
  }

  std::optional<std::uint64_t> FileSize(const std::filesystem::path& path) override {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!::GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) {
      Failed();
      return std::nullopt;
    }
    return (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
  }

  bool Exists(const std::filesystem::path& path) override {
    return Attributes(path) != INVALID_FILE_ATTRIBUTES;
  }

  bool IsSymlink(const std::filesystem::path& path) override {
    DWORD attributes = Attributes(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT);
  }

  std::vector<std::filesystem::path> List(const std::filesystem::path& folder) override {
    std::vector<std::filesystem::path> names;
    WIN32_FIND_DATAW found;
    HANDLE search = ::FindFirstFileW((folder / L"*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
      std::wstring_view name = found.cFileName;
      if (name != L"." && name != L"..") names.emplace_back(name);
    } while (::FindNextFileW(search, &found));
    ::FindClose(search);
    return names;
  }

  bool CreateFolder(const std::filesystem::path& path) override {
    return ::CreateDirectoryW(path.c_str(), nullptr) != 0 || Failed();
  }

 private:
  // At most limit bytes of a file on a disk; a pipe or device is refused.
  static ReadStatus Read(const std::filesystem::path& path, std::size_t limit, std::string* bytes) {
    HANDLE handle = ::CreateFileW(path.c_str(), GENERIC_READ, kShareAll, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
      Failed();
      return ReadStatus::kCannotOpen;
    }
    LARGE_INTEGER size;
    if (::GetFileType(handle) != FILE_TYPE_DISK || !::GetFileSizeEx(handle, &size)) {
      SetLastFileError(FileError::kNotPlainFile);
      ::CloseHandle(handle);
      return ReadStatus::kCannotOpen;
    }
    bytes->clear();
    bytes->reserve(std::min(limit, static_cast<std::size_t>(size.QuadPart)));
    std::string chunk(kChunkSize, '\0');
    bool ok = true;
    while (bytes->size() < limit) {
      DWORD want = static_cast<DWORD>(std::min<std::size_t>(kChunkSize, limit - bytes->size()));
      DWORD n = 0;
      if (!::ReadFile(handle, chunk.data(), want, &n, nullptr)) {
        ok = Failed();
        break;
      }
      if (n == 0) break;
      bytes->append(chunk.data(), n);
    }
    ::CloseHandle(handle);
    return ok ? ReadStatus::kOk : ReadStatus::kReadError;
  }
};

}  // namespace

std::unique_ptr<FileSystem> NewHostFileSystem() { return std::make_unique<WindowsFileSystem>(); }

}  // namespace bc

#endif  // _WIN32

// Why a file operation failed, in the user's words. The file systems record
// the system's reason (errno, GetLastError) as a FileError, and messages
// that name a file add its text.
#ifndef BORINGCONV_ENVIRONMENT_FILE_ERROR_H_
#define BORINGCONV_ENVIRONMENT_FILE_ERROR_H_

#include <string>
#include <system_error>

namespace bc {

enum class FileError {
  kNone,
  kNotFound,      // no such file or folder on the path
  kAccessDenied,  // the system refuses this user
  kReadOnly,      // a read-only drive or share
  kDiskFull,      // no space left, or the user's quota is used up
  kIoError,       // the disk or the network failed while reading or writing
  kInUse,         // another program holds the file
  kNotPlainFile,  // a folder, device or pipe where a file was wanted
  kLink,          // a symbolic link that is not followed
  kNameTooLong,   // the path is longer than the system allows
  kInvalidName,   // the system does not take the name
  kOther,         // any other reason
};

// Whether the failed operation read or wrote: the same reason reads
// differently ("読み取りが許可されていません" / "書き込みが許可されていません").
enum class FileAccess { kRead, kWrite };

// The reason in Japanese, without the final "。"; empty for kNone.
std::u16string FileErrorText(FileError error, FileAccess access);

// The reason of a POSIX errno value, of a Windows error code, and of an
// error code of the standard library.
FileError FileErrorFromErrno(int code);
FileError FileErrorFromWindows(unsigned long code);
FileError FileErrorOf(const std::error_code& code);

// The reason of the last failed file operation of this thread: every
// failing call of a FileSystem and of its files sets it, as errno is set.
FileError LastFileError();
void SetLastFileError(FileError error);

}  // namespace bc

#endif  // BORINGCONV_ENVIRONMENT_FILE_ERROR_H_

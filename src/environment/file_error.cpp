#include "environment/file_error.h"

#include <cerrno>

namespace bc {
namespace {

thread_local FileError last_error = FileError::kNone;

// Windows error codes, named here so that this file needs no system header.
enum : unsigned long {
  kWinFileNotFound = 2,
  kWinPathNotFound = 3,
  kWinAccessDenied = 5,
  kWinInvalidDrive = 15,
  kWinWriteProtect = 19,
  kWinNotReady = 21,
  kWinCrc = 23,
  kWinWriteFault = 29,
  kWinReadFault = 30,
  kWinSharingViolation = 32,
  kWinLockViolation = 33,
  kWinHandleDiskFull = 39,
  kWinBadNetPath = 53,
  kWinNetNameDeleted = 64,
  kWinBadNetName = 67,
  kWinDiskFull = 112,
  kWinInvalidName = 123,
  kWinBadPathName = 161,
  kWinFilenameExcedRange = 206,
  kWinDirectory = 267,
  kWinCantAccessFile = 1920,
  kWinCantResolveFilename = 1921,
  kWinDiskQuotaExceeded = 1295,
};

}  // namespace

std::u16string FileErrorText(FileError error, FileAccess access) {
  bool write = access == FileAccess::kWrite;
  switch (error) {
    case FileError::kNone:
      return u"";
    case FileError::kNotFound:
      return u"見つかりません";
    case FileError::kAccessDenied:
      return write ? u"書き込みが許可されていません" : u"読み取りが許可されていません";
    case FileError::kReadOnly:
      return u"書き込みが許可されていません（読み取り専用のドライブです）";
    case FileError::kDiskFull:
      return u"ディスクがいっぱいです";
    case FileError::kIoError:
      return write ? u"書き込みエラー（ディスクやネットワークの状態を確認してください）"
                   : u"読み取りエラー（ディスクやネットワークの状態を確認してください）";
    case FileError::kInUse:
      return u"ほかのプログラムが使用中です";
    case FileError::kNotPlainFile:
      return u"通常のファイルではありません";
    case FileError::kLink:
      return u"シンボリックリンクです";
    case FileError::kNameTooLong:
      return u"パスが長すぎます";
    case FileError::kInvalidName:
      return u"名前に使えない文字があります";
    case FileError::kOther:
      break;
  }
  return u"原因不明のエラー";
}

FileError FileErrorFromErrno(int code) {
  switch (code) {
    case 0:
      return FileError::kNone;
    case ENOENT:
    case ENOTDIR:
      return FileError::kNotFound;
    case EACCES:
    case EPERM:
      return FileError::kAccessDenied;
    case EROFS:
      return FileError::kReadOnly;
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
    case EFBIG:
      return FileError::kDiskFull;
    case EIO:
      return FileError::kIoError;
    case EBUSY:
    case ETXTBSY:
      return FileError::kInUse;
    case EISDIR:
    case ENXIO:
      return FileError::kNotPlainFile;
    case ELOOP:
      return FileError::kLink;
    case ENAMETOOLONG:
      return FileError::kNameTooLong;
    case EILSEQ:
    case EINVAL:
      return FileError::kInvalidName;
    default:
      return FileError::kOther;
  }
}

FileError FileErrorFromWindows(unsigned long code) {
  switch (code) {
    case 0:
      return FileError::kNone;
    case kWinFileNotFound:
    case kWinPathNotFound:
    case kWinInvalidDrive:
    case kWinNotReady:
    case kWinBadNetPath:
    case kWinBadNetName:
      return FileError::kNotFound;
    case kWinAccessDenied:
    case kWinCantAccessFile:
      return FileError::kAccessDenied;
    case kWinWriteProtect:
      return FileError::kReadOnly;
    case kWinDiskFull:
    case kWinHandleDiskFull:
    case kWinDiskQuotaExceeded:
      return FileError::kDiskFull;
    case kWinCrc:
    case kWinReadFault:
    case kWinWriteFault:
    case kWinNetNameDeleted:
      return FileError::kIoError;
    case kWinSharingViolation:
    case kWinLockViolation:
      return FileError::kInUse;
    case kWinDirectory:
      return FileError::kNotPlainFile;
    case kWinCantResolveFilename:
      return FileError::kLink;
    case kWinFilenameExcedRange:
      return FileError::kNameTooLong;
    case kWinInvalidName:
    case kWinBadPathName:
      return FileError::kInvalidName;
    default:
      return FileError::kOther;
  }
}

FileError FileErrorOf(const std::error_code& code) {
  if (!code) return FileError::kNone;
  if (code.category() == std::generic_category()) return FileErrorFromErrno(code.value());
#ifdef _WIN32
  return FileErrorFromWindows(static_cast<unsigned long>(code.value()));
#else
  return FileErrorFromErrno(code.value());
#endif
}

FileError LastFileError() { return last_error; }
void SetLastFileError(FileError error) { last_error = error; }

}  // namespace bc

// Where the program's paths live on the host: the drive table, the current
// drive and the program's own folder.
#ifndef BORINGCONV_ENVIRONMENT_ENVIRONMENT_H_
#define BORINGCONV_ENVIRONMENT_ENVIRONMENT_H_

#include <filesystem>
#include <string>
#include <string_view>

#include "environment/drive_map.h"

namespace bc {

class Environment {
 public:
  Environment(DriveMap drives, std::filesystem::path program_folder);

  const DriveMap& drives() const { return drives_; }
  DriveMap& drives() { return drives_; }

  // The current drive letter, 0 before any is chosen.
  char16_t current_drive() const { return current_drive_; }

  // Makes letter the current drive; false (and no change) when it is not ready.
  bool SetCurrentDrive(char16_t letter);

  // The folder relative paths start from, a drive path; empty means the
  // process's current folder. The window keeps its last opened folder here
  // rather than changing the current folder of the whole process.
  const std::u16string& working_folder() const { return working_folder_; }
  void SetWorkingFolder(std::u16string folder) { working_folder_ = std::move(folder); }

  // The folder of the program itself (PATADD.txt, the help file and the
  // pattern-data search start there).
  const std::filesystem::path& program_folder() const { return program_folder_; }

  // The host path of a path as the program holds it. A drive path ("C:\x",
  // "C:x", "C:") goes through the drive table; anything else is a host path
  // as it stands. With a working folder, a relative path starts there (and
  // on Windows one starting with a single "\" lies on the current drive).
  // "\" separates folders. On POSIX every element that does not
  // exist as written is matched without regard to letter case, as Windows
  // does. An unmapped drive gives an empty path.
  std::filesystem::path HostPath(std::u16string_view path) const;

 private:
  DriveMap drives_;
  std::filesystem::path program_folder_;
  char16_t current_drive_ = 0;
  std::u16string working_folder_;
};

// True when text starts with a letter and ":".
bool IsDrivePath(std::u16string_view text);

// A path pasted in double quotes, as a file manager's "copy as path" gives
// it, without them ("\"C:\a b\x.txt\"" gives "C:\a b\x.txt"); blanks around the
// quotes go too. Any other text is returned as it stands.
std::u16string UnquotePath(std::u16string_view text);

// The path as messages show it: a drive path as it stands, any other made
// absolute on the host.
std::u16string ShownFullPath(const Environment& env, std::u16string_view path);

// The capital of a drive letter ("c" gives "C"); other characters unchanged.
char16_t UpperDriveLetter(char16_t c);

// The folder path ending in "\" (or "/"), as file names are appended to it.
std::u16string WithTrailingBackslash(std::u16string folder);

// The host file name of a text and back (UTF-8 on POSIX, UTF-16 on Windows).
std::filesystem::path ToHostPath(std::u16string_view text);
std::u16string FromHostPath(const std::filesystem::path& path);

// The folder of the running executable.
std::filesystem::path ExecutableFolder();

}  // namespace bc

#endif  // BORINGCONV_ENVIRONMENT_ENVIRONMENT_H_

// Drive letters and where they live. On Windows a drive is a real drive; on
// POSIX the drive table maps letters to host folders (Z: is / by default), so
// that paths such as C:\data\boring.txt keep their meaning everywhere.
#ifndef BORINGCONV_ENVIRONMENT_DRIVE_MAP_H_
#define BORINGCONV_ENVIRONMENT_DRIVE_MAP_H_

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace bc {

class DriveMap {
 public:
  // The default table: Z: is / on POSIX; on Windows the real drives.
  static DriveMap Default();

  // Maps letter (A to Z, either case) to root. Returns false for a non-letter.
  bool Map(char16_t letter, std::filesystem::path root);

  // Reads lines "L=folder" from the file; blank lines and lines starting with
  // "#" or ";" are skipped. Returns what is wrong with a malformed line, and
  // nothing when the table (or its absence) is fine.
  std::optional<std::u16string> LoadFile(const std::filesystem::path& file);

  // Parses "L=folder" as the command line's --drive gives it.
  bool MapSpec(std::u16string_view spec);

  // The host folder of a mapped letter.
  std::optional<std::filesystem::path> Root(char16_t letter) const;

  // The letter is mapped and its root is there (a real drive: it answers).
  bool IsReady(char16_t letter) const;

  // True on Windows when the letter stands for the real drive of that letter
  // (as the default table maps it), not a folder mapped in its place.
  bool IsRealDrive(char16_t letter) const;

  // Letters in rising order.
  std::u16string Letters() const;

  // The drive path of a host path: the drive whose root is the longest
  // prefix of the absolute path, the rest joined with "\". Nothing when no
  // root holds it.
  std::optional<std::u16string> ToDrivePath(const std::filesystem::path& host) const;

 private:
  std::map<char16_t, std::filesystem::path> roots_;
};

}  // namespace bc

#endif  // BORINGCONV_ENVIRONMENT_DRIVE_MAP_H_

#include "environment/settings.h"

#include "environment/replace_file.h"

#include <cstdlib>
#include <system_error>

#include "text/codepage.h"
#include "text/free_format.h"
#include "text/line_reader.h"
#include "text/trim.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace bc {
namespace {

#ifdef _WIN32
// A folder that a Windows call writes into a buffer (size in, length out);
// empty when the call fails.
std::filesystem::path WindowsFolder(UINT(WINAPI* get)(LPWSTR, UINT)) {
  std::wstring buffer(MAX_PATH, L'\0');
  UINT n = get(buffer.data(), static_cast<UINT>(buffer.size()));
  if (n >= buffer.size()) {
    buffer.resize(n + 1);
    n = get(buffer.data(), static_cast<UINT>(buffer.size()));
  }
  if (n == 0 || n >= buffer.size()) return {};
  return std::filesystem::path(buffer.substr(0, n));
}
#endif

}  // namespace

std::filesystem::path SystemFolder() {
#ifdef _WIN32
  std::filesystem::path system = WindowsFolder(GetSystemDirectoryW);
  // A 32-bit installer on 64-bit Windows writes "system folder" files into
  // SysWOW64; read the settings from there when System32 holds none.
  std::filesystem::path wow64 = WindowsFolder(GetSystemWow64DirectoryW);
  std::error_code ec;
  if (!wow64.empty() && !std::filesystem::exists(system / "PatdatV5.ini", ec) &&
      std::filesystem::exists(wow64 / "PatdatV5.ini", ec)) {
    return wow64;
  }
  return system;
#else
  const char* xdg = std::getenv("XDG_CONFIG_HOME");
  if (xdg != nullptr && *xdg != '\0') return std::filesystem::path(xdg) / "boringconv";
  const char* home = std::getenv("HOME");
  return std::filesystem::path(home != nullptr ? home : ".") / ".config" / "boringconv";
#endif
}

std::u16string LoadPatdatSetting(const std::filesystem::path& system_folder) {
  std::filesystem::path file = system_folder / "PatdatV5.ini";
  std::error_code ec;
  if (!std::filesystem::is_regular_file(file, ec)) return {};
  if (std::filesystem::file_size(file, ec) == 0 && !ec) {
    std::filesystem::remove(file, ec);  // leave no empty settings file behind
    return {};
  }
  LineReader reader;
  if (!reader.Open(file)) return {};
  // Saved by a Linux editor, the file has bare LF line ends; read as one
  // line, it would name no folder and the slow drive search would follow.
  std::vector<std::u16string> lines = SplitLinesAnyEnd(reader.Remaining());
  if (lines.size() < 2) return {};  // line 1 is never used
  std::vector<std::u16string> items = ReadFreeFormatItems(lines[1]);
  std::u16string value(TrimBlanks(ItemOrEmpty(items, 0)));
  // Table names are appended to the folder as they stand, so a folder
  // written without its final "\" would glue them to the folder's name.
  return value.empty() ? value : WithTrailingBackslash(value);
}

bool SavePatdatSetting(const std::filesystem::path& system_folder,
                       std::u16string_view patdat_folder) {
  std::error_code ec;
  std::filesystem::create_directories(system_folder, ec);
  std::u16string value = WithTrailingBackslash(std::u16string(patdat_folder));
  // Free-format reading would cut a name at a comma; quoted, it reads whole.
  if (value.find(u',') != std::u16string::npos) value = u"\"" + value + u"\"";
  return WriteFileAtOnce(system_folder / "PatdatV5.ini",
                         "[PATDAT]\r\n" + EncodeAnsi(value) + "\r\n");
}

std::filesystem::path DriveTableFile(const std::filesystem::path& system_folder) {
  return system_folder / "drives.ini";
}

std::optional<std::u16string> LoadEnvironment(const std::filesystem::path& system_folder,
                                              Environment& env) {
  env = Environment(DriveMap::Default(), ExecutableFolder());
  return env.drives().LoadFile(DriveTableFile(system_folder));
}

}  // namespace bc

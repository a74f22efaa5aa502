#include "environment/settings.h"

#include "environment/replace_file.h"

#include <cstdlib>
#include <cstring>
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

std::vector<std::filesystem::path> SystemPrefixes() {
#ifdef _WIN32
  std::vector<std::filesystem::path> prefixes;
  for (const wchar_t* name : {L"ProgramFiles", L"ProgramFiles(x86)", L"ProgramW6432"}) {
    if (const wchar_t* value = _wgetenv(name); value != nullptr && *value != L'\0')
      prefixes.emplace_back(value);
  }
  prefixes.push_back(WindowsFolder(GetWindowsDirectoryW));
  return prefixes;
#else
  return {"/usr", "/bin", "/sbin", "/lib", "/opt", "/snap"};
#endif
}

// True when every element of prefix begins path; Windows names compare
// without regard to letter case.
bool IsWithin(const std::filesystem::path& path, const std::filesystem::path& prefix) {
  auto p = path.begin();
  for (auto q = prefix.begin(); q != prefix.end(); ++q, ++p) {
    if (q->empty()) continue;  // the empty last element of "C:\x\"
    if (p == path.end()) return false;
#ifdef _WIN32
    if (_wcsicmp(p->c_str(), q->c_str()) != 0) return false;
#else
    if (*p != *q) return false;
#endif
  }
  return true;
}

}  // namespace

std::filesystem::path UserSettingsFolder() {
#ifdef _WIN32
  // Windows sets %APPDATA% for every logon (roaming profiles included).
  if (const wchar_t* appdata = _wgetenv(L"APPDATA"); appdata != nullptr && *appdata != L'\0')
    return std::filesystem::path(appdata) / "boringconv";
  const wchar_t* profile = _wgetenv(L"USERPROFILE");
  return std::filesystem::path(profile != nullptr ? profile : L".") / "AppData" / "Roaming" /
         "boringconv";
#else
  const char* xdg = std::getenv("XDG_CONFIG_HOME");
  if (xdg != nullptr && *xdg != '\0') return std::filesystem::path(xdg) / "boringconv";
  const char* home = std::getenv("HOME");
  return std::filesystem::path(home != nullptr ? home : ".") / ".config" / "boringconv";
#endif
}

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
  const char* dirs = std::getenv("XDG_CONFIG_DIRS");
  std::string first = dirs != nullptr ? std::string(dirs).substr(0, std::strcspn(dirs, ":")) : "";
  return std::filesystem::path(first.empty() ? "/etc/xdg" : first) / "boringconv";
#endif
}

std::vector<std::filesystem::path> SettingsFolders() {
  return {UserSettingsFolder(), SystemFolder()};
}

bool UnderSystemPrefix(const std::filesystem::path& folder) {
  std::error_code ec;
  std::filesystem::path full = std::filesystem::weakly_canonical(folder, ec);
  if (ec) full = std::filesystem::absolute(folder, ec).lexically_normal();
  for (const std::filesystem::path& prefix : SystemPrefixes()) {
    if (!prefix.empty() && IsWithin(full, prefix)) return true;
  }
  return false;
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

std::u16string LoadPatdatSetting(const std::vector<std::filesystem::path>& folders) {
  for (const std::filesystem::path& folder : folders) {
    std::u16string value = LoadPatdatSetting(folder);
    if (!value.empty()) return value;
  }
  return {};
}

std::filesystem::path DriveTableFile(const std::filesystem::path& system_folder) {
  return system_folder / "drives.ini";
}

std::optional<std::u16string> LoadEnvironment(const std::vector<std::filesystem::path>& folders,
                                              Environment& env) {
  env = Environment(DriveMap::Default(), ExecutableFolder());
  for (const std::filesystem::path& folder : folders) {
    std::error_code ec;
    if (std::filesystem::exists(DriveTableFile(folder), ec))
      return env.drives().LoadFile(DriveTableFile(folder));
  }
  return std::nullopt;
}

}  // namespace bc

#include "environment/environment.h"

#include <system_error>

#include "text/ascii_case.h"
#include "text/utf8.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace bc {
namespace {

#ifndef _WIN32
// Appends element to folder, taking an existing entry whose name differs
// only in letter case when the name as written does not exist.
std::filesystem::path JoinIgnoringCase(const std::filesystem::path& folder,
                                       const std::string& element) {
  std::filesystem::path exact = folder / element;
  std::error_code ec;
  if (element == "." || element == ".." || std::filesystem::exists(exact, ec)) return exact;
  for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
    std::string name = entry.path().filename().string();
    if (SameIgnoringAsciiCase(name, element)) return entry.path();
  }
  return exact;
}
#endif

bool IsSeparator(char16_t c) { return c == u'/' || c == u'\\'; }

}  // namespace

Environment::Environment(DriveMap drives, std::filesystem::path program_folder)
    : drives_(std::move(drives)), program_folder_(std::move(program_folder)) {}

bool Environment::SetCurrentDrive(char16_t letter) {
  if (!drives_.IsReady(letter)) return false;
#ifdef _WIN32
  // A real drive becomes the process's current drive as well, so that paths
  // without a drive ("\\x") resolve on it as they do after "D:" at a prompt.
  // With a working folder HostPath does that itself and the process's
  // folder stays as it is.
  if (working_folder_.empty() && drives_.IsRealDrive(letter)) {
    wchar_t drive[] = {static_cast<wchar_t>(UpperDriveLetter(letter)), L':', L'\0'};
    if (!SetCurrentDirectoryW(drive)) return false;
  }
#endif
  current_drive_ = UpperDriveLetter(letter);
  return true;
}

std::filesystem::path Environment::HostPath(std::u16string_view path) const {
  std::filesystem::path result;
  std::u16string_view rest = path;
  if (IsDrivePath(path)) {
    auto root = drives_.Root(path[0]);
    if (!root) return {};
    result = *root;
    rest = path.substr(2);
  } else if (!rest.empty() && IsSeparator(rest[0])) {
#ifdef _WIN32
    // With a working folder "\x" lies on the current drive (not "\\host"),
    // as the process's drive would have placed it.
    bool unc = rest.size() > 1 && IsSeparator(rest[1]);
    if (!unc && IsDrivePath(working_folder_) && current_drive_ != 0)
      return HostPath(std::u16string{current_drive_, u':'} + std::u16string(rest));
#endif
    result = "/";
  } else if (!rest.empty() && IsDrivePath(working_folder_)) {
    return HostPath(WithTrailingBackslash(working_folder_) + std::u16string(rest));
  }
#ifdef _WIN32
  if (result.empty()) return ToHostPath(path);
  for (std::size_t i = 0; i <= rest.size();) {
    std::size_t end = rest.find_first_of(u"\\/", i);
    if (end == std::u16string_view::npos) end = rest.size();
    if (end > i) result /= ToHostPath(rest.substr(i, end - i));
    i = end + 1;
  }
  return result;
#else
  if (result.empty()) result = ".";
  bool relative = result == ".";
  for (std::size_t i = 0; i <= rest.size();) {
    std::size_t end = rest.find_first_of(u"\\/", i);
    if (end == std::u16string_view::npos) end = rest.size();
    if (end > i) result = JoinIgnoringCase(result, ToUtf8(rest.substr(i, end - i)));
    i = end + 1;
  }
  if (relative) result = result.lexically_relative(".");
  return result;
#endif
}

char16_t UpperDriveLetter(char16_t c) { return AsciiUpper(c); }

std::u16string WithTrailingBackslash(std::u16string folder) {
  if (folder.empty() || (folder.back() != u'\\' && folder.back() != u'/')) folder.push_back(u'\\');
  return folder;
}

bool IsDrivePath(std::u16string_view text) {
  if (text.size() < 2 || text[1] != u':') return false;
  char16_t c = UpperDriveLetter(text[0]);
  return c >= u'A' && c <= u'Z';
}

std::filesystem::path ToHostPath(std::u16string_view text) {
#ifdef _WIN32
  return std::filesystem::path(std::wstring(text.begin(), text.end()));
#else
  return std::filesystem::path(ToUtf8(text));
#endif
}

std::u16string FromHostPath(const std::filesystem::path& path) {
#ifdef _WIN32
  std::wstring wide = path.wstring();
  return std::u16string(wide.begin(), wide.end());
#else
  return FromUtf8(path.string());
#endif
}

std::filesystem::path ExecutableFolder() {
#ifdef _WIN32
  // The name may be longer than MAX_PATH; grow until it fits.
  std::wstring buffer(MAX_PATH, L'\0');
  for (;;) {
    DWORD n = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (n == 0) {
      std::error_code ec;
      return std::filesystem::current_path(ec);
    }
    if (n < buffer.size()) return std::filesystem::path(buffer.substr(0, n)).parent_path();
    buffer.resize(buffer.size() * 2);
  }
#else
  std::error_code ec;
  std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  return ec ? std::filesystem::current_path(ec) : exe.parent_path();
#endif
}

}  // namespace bc

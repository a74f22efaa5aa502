#include "environment/settings.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <system_error>

#include "run/source_reader.h"
#include "text/free_format.h"
#include "text/trim.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace bc {

std::filesystem::path SystemFolder() {
#ifdef _WIN32
  wchar_t buffer[MAX_PATH];
  UINT n = GetSystemDirectoryW(buffer, MAX_PATH);
  return std::filesystem::path(std::wstring(buffer, n));
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
  std::ifstream in(file, std::ios::binary);
  if (!in) return {};
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  SourceReader reader;
  reader.OpenBytes(std::move(bytes));
  if (reader.AtEnd()) return {};
  reader.ReadLine();  // line 1 is never used
  if (reader.AtEnd()) return {};
  std::vector<std::u16string> items = ReadFreeFormatItems(reader.ReadLine());
  std::u16string value(TrimBlanks(ItemOrEmpty(items, 0)));
  // Table names are appended to the folder as they stand, so a folder
  // written without its final "\" would glue them to the folder's name.
  if (!value.empty() && value.back() != u'\\' && value.back() != u'/') value.push_back(u'\\');
  return value;
}

std::filesystem::path DriveTableFile(const std::filesystem::path& system_folder) {
  return system_folder / "drives.ini";
}

bool LoadEnvironment(const std::filesystem::path& system_folder, Environment* env,
                     std::u16string* error) {
  *env = Environment(DriveMap::Default(), ExecutableFolder());
  return env->drives().LoadFile(DriveTableFile(system_folder), error);
}

}  // namespace bc

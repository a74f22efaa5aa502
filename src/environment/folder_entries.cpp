#include "environment/folder_entries.h"

#include <system_error>

#include "environment/environment.h"
#include "text/ascii_case.h"

namespace bc {
void FolderEntries::Read() {
  read_ = true;
  std::error_code ec;
  for (std::filesystem::directory_iterator it(folder_, ec), end; !ec && it != end;
       it.increment(ec)) {
    by_capitals_.emplace(AsciiUpper(it->path().filename().string()), it->path());
  }
}

std::filesystem::path FolderEntries::Entry(std::u16string_view name) {
  std::filesystem::path exact = folder_ / ToHostPath(name);
#ifdef _WIN32
  return exact;  // the file system itself ignores letter case
#else
  if (!read_) Read();
  auto [it, added] = by_capitals_.emplace(AsciiUpper(exact.filename().string()), exact);
  return it->second;
#endif
}

}  // namespace bc

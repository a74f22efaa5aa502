#include "environment/folder_entries.h"

#include <system_error>

#include "environment/environment.h"

namespace bc {
namespace {

std::string Capitals(std::string name) {
  for (char& c : name) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
  }
  return name;
}

}  // namespace

void FolderEntries::Read() {
  read_ = true;
  std::error_code ec;
  for (std::filesystem::directory_iterator it(folder_, ec), end; !ec && it != end;
       it.increment(ec)) {
    by_capitals_.emplace(Capitals(it->path().filename().string()), it->path());
  }
}

std::filesystem::path FolderEntries::Entry(std::u16string_view name) {
  std::filesystem::path exact = folder_ / ToHostPath(name);
#ifdef _WIN32
  return exact;  // the file system itself ignores letter case
#else
  if (!read_) Read();
  auto [it, added] = by_capitals_.emplace(Capitals(exact.filename().string()), exact);
  return it->second;
#endif
}

}  // namespace bc

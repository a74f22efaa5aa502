#include "window_model/folder_listing.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "text/ascii_case.h"
#include "window_model/drive_path.h"

namespace bc {
namespace {

template <typename Keep>
std::vector<std::u16string> Names(const Environment& env, const std::u16string& path, Keep keep) {
  std::vector<std::u16string> names;
  std::error_code ec;
  for (std::filesystem::directory_iterator it(env.HostPath(path), ec), end; !ec && it != end;
       it.increment(ec)) {
    if (keep(*it)) names.push_back(FromHostPath(it->path().filename()));
  }
  std::sort(names.begin(), names.end());
  return names;
}

// "C:\a\b" gives "C:\", "C:\a", "C:\a\b".
std::vector<std::u16string> Chain(const std::u16string& path) {
  std::vector<std::u16string> chain{path};
  while (chain.front().size() > 3) chain.insert(chain.begin(), ParentFolder(chain.front()));
  return chain;
}

std::u16string LastName(const std::u16string& path) {
  return path.size() <= 3 ? path : path.substr(path.find_last_of(u'\\') + 1);
}

}  // namespace

std::vector<DriveEntry> DriveEntries(const DriveMap& drives) {
  std::vector<DriveEntry> entries;
  for (char16_t letter : drives.Letters()) {
    std::u16string text{AsciiLower(letter), u':'};
#ifndef _WIN32
    // On POSIX the letter alone says little; show the folder behind it.
    text += u" [" + FromHostPath(*drives.Root(letter)) + u"]";
#endif
    entries.push_back({letter, std::move(text)});
  }
  return entries;
}

bool IsFolder(const Environment& env, const std::u16string& path) {
  std::filesystem::path host = env.HostPath(path);
  std::error_code ec;
  return !host.empty() && std::filesystem::is_directory(host, ec);
}

FolderListing ListFolder(const Environment& env, const std::u16string& path) {
  FolderListing listing;
  std::size_t depth = 0;
  for (const std::u16string& folder : Chain(path)) {
    listing.entries.push_back({std::u16string(depth * 2, u' ') + LastName(folder), folder});
    ++depth;
  }
  listing.open_index = listing.entries.size() - 1;
  auto is_folder = [](const std::filesystem::directory_entry& entry) {
    std::error_code ec;
    return entry.is_directory(ec);
  };
  for (const std::u16string& name : Names(env, path, is_folder)) {
    listing.entries.push_back({std::u16string(depth * 2, u' ') + name, JoinFolderName(path, name)});
  }
  return listing;
}

std::vector<std::u16string> ListFiles(const Environment& env, const std::u16string& path) {
  return Names(env, path, [](const std::filesystem::directory_entry& entry) {
    std::error_code ec;
    return entry.is_regular_file(ec);
  });
}

}  // namespace bc

// The entries of the pickers: the drive list, the folder list from the drive
// root down to the open folder and the folders inside it, and the file list.
#ifndef BORINGCONV_WINDOW_MODEL_FOLDER_LISTING_H_
#define BORINGCONV_WINDOW_MODEL_FOLDER_LISTING_H_

#include <string>
#include <vector>

#include "environment/environment.h"

namespace bc {

struct DriveEntry {
  char16_t letter;
  std::u16string text;  // "c:", on POSIX followed by the folder behind it
};

std::vector<DriveEntry> DriveEntries(const DriveMap& drives);

struct FolderEntry {
  std::u16string text;  // indented two spaces a level
  std::u16string path;  // the drive path the entry opens
};

struct FolderListing {
  std::vector<FolderEntry> entries;
  std::size_t open_index = 0;  // the open folder's entry
};

// True when path (a drive path) names an existing folder.
bool IsFolder(const Environment& env, const std::u16string& path);

// The chain "C:\", "a", "b" down to path, then the folders inside path,
// sorted by name.
FolderListing ListFolder(const Environment& env, const std::u16string& path);

// The names of the files of a folder, sorted.
std::vector<std::u16string> ListFiles(const Environment& env, const std::u16string& path);

}  // namespace bc

#endif  // BORINGCONV_WINDOW_MODEL_FOLDER_LISTING_H_

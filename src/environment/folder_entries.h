// The entries of one folder, found without regard to letter case as Windows
// finds them, with the folder read once however many names are asked for.
#ifndef BORINGCONV_ENVIRONMENT_FOLDER_ENTRIES_H_
#define BORINGCONV_ENVIRONMENT_FOLDER_ENTRIES_H_

#include <filesystem>
#include <map>
#include <string>
#include <string_view>

namespace bc {

class FolderEntries {
 public:
  explicit FolderEntries(std::filesystem::path folder) : folder_(std::move(folder)) {}

  // The host path of name in the folder: on POSIX an existing entry whose
  // name differs only in letter case when there is one, else folder/name.
  // Names given out are remembered, so a file created under one is found
  // again under any letter case.
  std::filesystem::path Entry(std::u16string_view name);

 private:
  void Read();

  std::filesystem::path folder_;
  bool read_ = false;
  std::map<std::string, std::filesystem::path> by_capitals_;
};

}  // namespace bc

#endif  // BORINGCONV_ENVIRONMENT_FOLDER_ENTRIES_H_

#include "window_model/drive_path.h"

namespace bc {

std::u16string DriveRoot(char16_t letter) { return std::u16string{letter, u':', u'\\'}; }

std::u16string JoinFolderName(std::u16string_view folder, std::u16string_view name) {
  std::u16string joined(folder);
  if (joined.empty() || joined.back() != u'\\') joined.push_back(u'\\');
  joined += name;
  return joined;
}

std::u16string ParentFolder(std::u16string_view path) {
  while (path.size() > 3 && path.back() == u'\\') path.remove_suffix(1);
  std::size_t last = path.find_last_of(u'\\');
  if (last == std::u16string_view::npos) return std::u16string(path);
  // Keep the "\" of a root: the parent of "C:\a" is "C:\".
  return std::u16string(path.substr(0, last == 2 ? 3 : last));
}

}  // namespace bc

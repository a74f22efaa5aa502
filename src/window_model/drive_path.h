// Folder paths as the window shows them: "C:\" for a drive root, "C:\data"
// for a folder below it.
#ifndef BORINGCONV_WINDOW_MODEL_DRIVE_PATH_H_
#define BORINGCONV_WINDOW_MODEL_DRIVE_PATH_H_

#include <string>
#include <string_view>

namespace bc {

// The root of a drive: "C:\".
std::u16string DriveRoot(char16_t letter);

// folder and name joined with exactly one "\": a root such as "C:\" already
// ends in one.
std::u16string JoinFolderName(std::u16string_view folder, std::u16string_view name);

// The folder that holds path ("C:\a\b" gives "C:\a", "C:\a" gives "C:\");
// a root is its own parent.
std::u16string ParentFolder(std::u16string_view path);

}  // namespace bc

#endif  // BORINGCONV_WINDOW_MODEL_DRIVE_PATH_H_

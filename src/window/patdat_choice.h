// Choosing the pattern-data folder by hand when the search found none.
#ifndef BORINGCONV_WINDOW_PATDAT_CHOICE_H_
#define BORINGCONV_WINDOW_PATDAT_CHOICE_H_

#include <filesystem>
#include <functional>
#include <string>

#include "environment/environment.h"
#include "window/message_box.h"

namespace bc {

// Asks for a folder; an empty path means the user cancelled (tests stand in
// for the dialog with it).
using FolderPicker = std::function<std::filesystem::path()>;

// The desktop's folder dialog.
std::filesystem::path PickFolderWithDialog();

// True when folder holds a non-empty kishitu.txt, its name in any letter case.
bool HoldsPatternData(const std::filesystem::path& folder);

// Lets the user pick folders until one holds the pattern data or the user
// gives up. Returns its drive path (a host path where no drive holds it)
// ending in "\", or an empty text.
std::u16string ChoosePatdatFolder(const Environment& env, MessageBoxes& boxes,
                                  const FolderPicker& picker);

}  // namespace bc

#endif  // BORINGCONV_WINDOW_PATDAT_CHOICE_H_

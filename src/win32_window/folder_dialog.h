// The system's folder dialog, for the pattern-data folder.
#ifndef BORINGCONV_WIN32_WINDOW_FOLDER_DIALOG_H_
#define BORINGCONV_WIN32_WINDOW_FOLDER_DIALOG_H_

#include <windows.h>

#include <filesystem>

namespace bc::win32 {

// The folder chosen, empty when the user cancelled.
std::filesystem::path PickFolder(HWND owner);

}  // namespace bc::win32

#endif  // BORINGCONV_WIN32_WINDOW_FOLDER_DIALOG_H_

// The window's start-up: the environment, the pattern-data folder (searched
// for, or chosen by hand on a first start) and the help file, before the
// window is shown.
#ifndef BORINGCONV_WINDOW_START_UP_H_
#define BORINGCONV_WINDOW_START_UP_H_

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "window/main_window.h"
#include "window/message_box.h"
#include "window/patdat_choice.h"
#include "window/patdat_search_window.h"

namespace bc {

inline constexpr char16_t kNoPatdatMessage[] = u" PATDAT の設定がありません.";
inline constexpr char16_t kChooseNowQuestion[] =
    u"パターンデータのフォルダ (PATDAT) を今選びますか？\n"
    u"選んだフォルダは設定ファイルに書き込まれ、次からはそれを使います。";

struct StartOptions {
  // The settings file and the drive table: read from the user's folder,
  // then the shared ones; the first start's choice is written to the user's.
  std::filesystem::path settings_folder;
  std::vector<std::filesystem::path> shared_settings_folders;
  std::u16string path_variable;  // searched for the help file
  AnswerProvider answers;        // scripted message-box answers (tests)
  FolderPicker pick_folder = &PickFolderWithDialog;
  SearchStepHook search_step;  // tests: every folder of the search
};

// Loads the settings; without a pattern-data folder there, searches the
// drives under the search window and, when that finds none, offers to choose
// the folder and saves the choice. Returns the window, centred and not yet
// shown, or nothing after telling the user why the program must end.
std::unique_ptr<MainWindow> StartMainWindow(const StartOptions& options, MessageBoxes& boxes);

}  // namespace bc

#endif  // BORINGCONV_WINDOW_START_UP_H_

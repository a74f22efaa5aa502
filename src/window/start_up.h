// The Qt window's start-up: the model's, with the search window and the
// folder dialog of Qt.
#ifndef BORINGCONV_WINDOW_START_UP_H_
#define BORINGCONV_WINDOW_START_UP_H_

#include <filesystem>
#include <memory>
#include <string>

#include "window/main_window.h"
#include "window/message_box.h"
#include "window/patdat_choice.h"
#include "window/patdat_search_window.h"
#include "window_model/start_up.h"

namespace bc {

struct StartOptions {
  std::filesystem::path system_folder;  // the settings file and the drive table
  std::u16string path_variable;         // searched for the help file
  AnswerProvider answers;               // scripted message-box answers (tests)
  FolderPicker pick_folder = &PickFolderWithDialog;
  SearchStepHook search_step;  // tests: every folder of the search
};

// Returns the window, centred and not yet shown, or nothing after telling
// the user why the program must end.
std::unique_ptr<MainWindow> StartMainWindow(const StartOptions& options, MessageBoxes& boxes);

}  // namespace bc

#endif  // BORINGCONV_WINDOW_START_UP_H_

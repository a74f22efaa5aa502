// The window's start-up: the environment, the pattern-data folder and the
// help file, before the window is shown.
#ifndef BORINGCONV_WINDOW_FORM_LOAD_H_
#define BORINGCONV_WINDOW_FORM_LOAD_H_

#include <filesystem>
#include <memory>
#include <string>

#include "window/form1.h"
#include "window/message_box.h"

namespace bc {

inline constexpr char16_t kNoPatdatMessage[] = u" PATDAT の設定がありません.";

struct FormLoadOptions {
  std::filesystem::path system_folder;  // the settings file and the drive table
  std::u16string path_variable;         // searched for the help file
  AnswerProvider answers;               // scripted message-box answers (tests)
};

// Loads the settings, then searches for the pattern-data folder while the
// application keeps handling events. Returns the window, centred and not yet
// shown, or nothing after telling the user why the program must end.
std::unique_ptr<Form1> FormLoad(const FormLoadOptions& options, MessageBoxes& boxes);

}  // namespace bc

#endif  // BORINGCONV_WINDOW_FORM_LOAD_H_

// The windows' start-up: the environment, the pattern-data folder (from the
// settings, searched for, or chosen by hand on a first start) and the help
// file, before a window is shown.
#ifndef BORINGCONV_WINDOW_MODEL_START_UP_H_
#define BORINGCONV_WINDOW_MODEL_START_UP_H_

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "environment/environment.h"
#include "window_model/patdat_choice.h"
#include "window_model/prompter.h"

namespace bc {

inline constexpr char16_t kNoPatdatMessage[] = u" PATDAT の設定がありません.";
inline constexpr char16_t kChooseNowQuestion[] =
    u"パターンデータのフォルダ (PATDAT) を今選びますか？\n"
    u"選んだフォルダは設定ファイルに書き込まれ、次からはそれを使います。";

// The drive search under the window's progress window; an empty text when
// it found nothing or was cancelled.
using PatdatSearcher = std::function<std::u16string(const Environment& env)>;

struct StartSettings {
  std::filesystem::path system_folder;  // the settings file and the drive table
  std::u16string path_variable;         // searched for the help file
  FolderPicker pick_folder;
  PatdatSearcher search;
};

struct StartedWindow {
  Environment env;
  std::u16string patdat_path;
  std::u16string help_file_path;
};

// Loads the settings; without a pattern-data folder there, searches the
// drives and, when that finds none, offers to choose the folder and saves
// the choice. Nothing after telling the user why the program must end.
std::optional<StartedWindow> PrepareStart(const StartSettings& settings, Prompter& prompter);

}  // namespace bc

#endif  // BORINGCONV_WINDOW_MODEL_START_UP_H_

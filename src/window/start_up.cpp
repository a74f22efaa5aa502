#include "window/start_up.h"

#include "environment/help_file.h"
#include "environment/settings.h"
#include "run/run_ui.h"

namespace bc {
namespace {

std::vector<std::filesystem::path> ReadOrder(const StartOptions& options) {
  std::vector<std::filesystem::path> folders{options.settings_folder};
  folders.insert(folders.end(), options.shared_settings_folders.begin(),
                 options.shared_settings_folders.end());
  return folders;
}

// After the search found nothing: the old message, then the offer to choose.
std::u16string ChooseOnFirstStart(const StartOptions& options, const Environment& env,
                                  MessageBoxes& boxes) {
  boxes.Show(nullptr, kNoPatdatMessage, MessageStyle::kOk, u"");
  if (boxes.Show(nullptr, kChooseNowQuestion, MessageStyle::kYesNoQuestion, u"") != Answer::kYes)
    return {};
  std::u16string chosen = ChoosePatdatFolder(env, boxes, options.pick_folder);
  if (chosen.empty()) return {};
  // The folder serves this run even when it cannot be remembered.
  if (!SavePatdatSetting(options.settings_folder, chosen)) {
    boxes.Show(nullptr,
               u"設定ファイル「" + FromHostPath(options.settings_folder / "PatdatV5.ini") +
                   u"」に書き込めませんでした。",
               MessageStyle::kExclamation, u"");
  }
  return chosen;
}

}  // namespace

std::unique_ptr<MainWindow> StartMainWindow(const StartOptions& options, MessageBoxes& boxes) {
  boxes.SetAnswerProvider(options.answers);
  Environment env(DriveMap::Default(), ExecutableFolder());
  if (std::optional<std::u16string> problem = LoadEnvironment(ReadOrder(options), env)) {
    boxes.Show(nullptr, *problem, MessageStyle::kError, u"");
    return nullptr;
  }
  std::u16string patdat_path = LoadPatdatSetting(ReadOrder(options));
  if (patdat_path.empty()) patdat_path = SearchPatdatWithWindow(env, options.search_step);
  if (patdat_path.empty()) patdat_path = ChooseOnFirstStart(options, env, boxes);
  if (patdat_path.empty()) return nullptr;
  std::u16string help_file_path;
  LocateHelpFile(env, options.path_variable, help_file_path);
  auto window = std::make_unique<MainWindow>(std::move(env), std::move(patdat_path),
                                             std::move(help_file_path));
  window->message_boxes().SetAnswerProvider(options.answers);
  return window;
}

}  // namespace bc

#include "window/start_up.h"

namespace bc {

std::unique_ptr<MainWindow> StartMainWindow(const StartOptions& options, MessageBoxes& boxes) {
  boxes.SetAnswerProvider(options.answers);
  StartSettings settings{options.system_folder, options.path_variable, options.pick_folder,
                         [&options](const Environment& env) {
                           return SearchPatdatWithWindow(env, options.search_step);
                         }};
  std::optional<StartedWindow> started = PrepareStart(settings, boxes);
  if (!started) return nullptr;
  auto window = std::make_unique<MainWindow>(
      std::move(started->env), std::move(started->patdat_path), std::move(started->help_file_path));
  window->SetSystemFolder(options.system_folder);
  window->SetFolderPicker(options.pick_folder);
  window->message_boxes().SetAnswerProvider(options.answers);
  return window;
}

}  // namespace bc

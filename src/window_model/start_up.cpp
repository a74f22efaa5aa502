#include "window_model/start_up.h"

#include "environment/help_file.h"
#include "environment/settings.h"

namespace bc {
namespace {

// After the search found nothing: the old message, then the offer to choose.
std::u16string ChooseOnFirstStart(const StartSettings& settings, const Environment& env,
                                  Prompter& prompter) {
  prompter.Ask(kNoPatdatMessage, MessageStyle::kOk, u"");
  if (prompter.Ask(kChooseNowQuestion, MessageStyle::kYesNoQuestion, u"") != Answer::kYes) {
    return {};
  }
  std::u16string chosen = ChoosePatdatFolder(env, prompter, settings.pick_folder);
  if (!chosen.empty()) RememberPatdatFolder(settings.system_folder, chosen, prompter);
  return chosen;
}

}  // namespace

std::optional<StartedWindow> PrepareStart(const StartSettings& settings, Prompter& prompter) {
  Environment env(DriveMap::Default(), ExecutableFolder());
  if (std::optional<std::u16string> problem = LoadEnvironment(settings.system_folder, env)) {
    prompter.Ask(*problem, MessageStyle::kError, u"");
    return std::nullopt;
  }
  std::u16string patdat_path = LoadPatdatSetting(settings.system_folder);
  if (patdat_path.empty() && settings.search) patdat_path = settings.search(env);
  if (patdat_path.empty()) patdat_path = ChooseOnFirstStart(settings, env, prompter);
  if (patdat_path.empty()) return std::nullopt;
  std::u16string help_file_path;
  LocateHelpFile(env, settings.path_variable, help_file_path);
  return StartedWindow{std::move(env), std::move(patdat_path), std::move(help_file_path)};
}

}  // namespace bc

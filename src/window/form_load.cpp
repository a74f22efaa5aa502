#include "window/form_load.h"

#include <QApplication>

#include "environment/help_file.h"
#include "environment/patdat_search.h"
#include "environment/settings.h"
#include "run/run_ui.h"

namespace bc {

std::unique_ptr<Form1> FormLoad(const FormLoadOptions& options, MessageBoxes& boxes) {
  boxes.SetAnswerProvider(options.answers);
  Environment env(DriveMap::Default(), ExecutableFolder());
  std::u16string error;
  if (!LoadEnvironment(options.system_folder, &env, &error)) {
    boxes.Show(nullptr, error, kStyleError, u"");
    return nullptr;
  }
  std::u16string patdat_path = LoadPatdatSetting(options.system_folder);
  if (patdat_path.empty()) {
    patdat_path = FindPatdatFolder(env, [] { QApplication::processEvents(); });
  }
  if (patdat_path.empty()) {
    boxes.Show(nullptr, kNoPatdatMessage, kStyleOk, u"");
    return nullptr;
  }
  std::u16string help_file_path;
  LocateHelpFile(env, options.path_variable, help_file_path);
  auto form =
      std::make_unique<Form1>(std::move(env), std::move(patdat_path), std::move(help_file_path));
  form->message_boxes().SetAnswerProvider(options.answers);
  return form;
}

}  // namespace bc

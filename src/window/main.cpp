// boringconv-window: the converter's window.
#include <QApplication>
#include <cstdlib>

#include "environment/settings.h"
#include "text/utf8.h"
#include "window/qt_translation.h"
#include "window/start_up.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("boringconv"));
  bc::InstallQtTranslation();

  bc::StartOptions options;
  options.settings_folder = bc::UserSettingsFolder();
  options.shared_settings_folders = {bc::SystemFolder()};
  const char* path = std::getenv("PATH");
  options.path_variable = bc::FromUtf8(path != nullptr ? path : "");

  bc::MessageBoxes boxes;
  std::unique_ptr<bc::MainWindow> window = bc::StartMainWindow(options, boxes);
  if (!window) return 1;
  window->show();
  return QApplication::exec();
}

// boringconv-window: the converter's window.
#include <QApplication>
#include <cstdlib>

#include "environment/settings.h"
#include "text/utf8.h"
#include "window/form_load.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("boringconv"));

  bc::FormLoadOptions options;
  options.system_folder = bc::SystemFolder();
  const char* path = std::getenv("PATH");
  options.path_variable = bc::FromUtf8(path != nullptr ? path : "");

  bc::MessageBoxes boxes;
  std::unique_ptr<bc::Form1> form = bc::FormLoad(options, boxes);
  if (!form) return 1;
  form->show();
  return QApplication::exec();
}

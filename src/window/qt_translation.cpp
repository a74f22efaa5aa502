#include "window/qt_translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace bc {

bool InstallQtTranslation(const QLocale& locale) {
  // Lives as long as the application, which only borrows it.
  static QTranslator* translator = new QTranslator(QCoreApplication::instance());
  const QString folders[] = {
      QLibraryInfo::path(QLibraryInfo::TranslationsPath),
      QCoreApplication::applicationDirPath() + QStringLiteral("/translations"),
  };
  for (const QString& folder : folders) {
    if (translator->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"), folder)) {
      return QCoreApplication::installTranslator(translator);
    }
  }
  return false;
}

}  // namespace bc

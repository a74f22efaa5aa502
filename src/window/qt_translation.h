// Qt's own Japanese: the standard buttons (はい/いいえ/OK/キャンセル) and
// Qt's dialogs, the folder picker among them, in the user's language.
#ifndef BORINGCONV_WINDOW_QT_TRANSLATION_H_
#define BORINGCONV_WINDOW_QT_TRANSLATION_H_

#include <QLocale>

namespace bc {

// Installs Qt's translation for locale (qtbase_ja.qm from Qt's translations
// folder, or from "translations" beside the program) into the application.
// False when none is found: Qt's texts stay English.
bool InstallQtTranslation(const QLocale& locale = QLocale());

}  // namespace bc

#endif  // BORINGCONV_WINDOW_QT_TRANSLATION_H_

// Qt's own texts under a Japanese locale (LANG=ja_JP.UTF-8, set by ctest):
// the standard buttons read はい/いいえ/OK/キャンセル, not Yes/No/Cancel.
#include <QApplication>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTest>

#include "window/qt_translation.h"

namespace bc::testing {

class QtTranslationTest : public QObject {
  Q_OBJECT

 private slots:
  void StandardButtonsAreJapanese() {
    QCOMPARE(QLocale().language(), QLocale::Japanese);
    QVERIFY2(InstallQtTranslation(), "qtbase_ja.qm not found (Debian: qt6-translations-l10n)");
    QDialogButtonBox box(QDialogButtonBox::Yes | QDialogButtonBox::No | QDialogButtonBox::Ok |
                         QDialogButtonBox::Cancel);
    const std::pair<QDialogButtonBox::StandardButton, QString> expected[] = {
        {QDialogButtonBox::Yes, QStringLiteral("はい")},
        {QDialogButtonBox::No, QStringLiteral("いいえ")},
        {QDialogButtonBox::Ok, QStringLiteral("OK")},
        {QDialogButtonBox::Cancel, QStringLiteral("キャンセル")},
    };
    for (const auto& [button, text] : expected) {
      QString shown = box.button(button)->text();
      QVERIFY2(shown.remove(QLatin1Char('&')).startsWith(text), qPrintable(shown));
    }
  }
};

}  // namespace bc::testing

QTEST_MAIN(bc::testing::QtTranslationTest)
#include "qt_translation_test.moc"

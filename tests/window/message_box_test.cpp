// Real message boxes: the icon and buttons of each style, and the answers.
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "run/run_ui.h"
#include "window/message_box.h"

namespace bc::testing {
namespace {

struct Seen {
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QMessageBox::StandardButtons buttons;
  QString title;
  QString text;
};

// Shows a box and, once it is up, notes what it shows and presses button.
Answer ShowAndPress(MessageStyle style, std::u16string_view title,
                    QMessageBox::StandardButton button, Seen& seen) {
  QTimer::singleShot(0, [&seen, button] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) qFatal("no message box shown");
    seen = {box->icon(), box->standardButtons(), box->windowTitle(), box->text()};
    box->button(button)->click();
  });
  MessageBoxes boxes;
  return boxes.Show(nullptr, u"本文", style, title);
}

}  // namespace

class MessageBoxTest : public QObject {
  Q_OBJECT

 private slots:
  void EachStyleHasItsIconAndButtons() {
    struct Case {
      MessageStyle style;
      QMessageBox::Icon icon;
    } cases[] = {{MessageStyle::kOk, QMessageBox::NoIcon},
                 {MessageStyle::kError, QMessageBox::Critical},
                 {MessageStyle::kExclamation, QMessageBox::Warning},
                 {MessageStyle::kInformation, QMessageBox::Information}};
    for (const Case& c : cases) {
      Seen seen;
      QCOMPARE(ShowAndPress(c.style, u"題", QMessageBox::Ok, seen), Answer::kOk);
      QCOMPARE(seen.icon, c.icon);
      QCOMPARE(seen.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
      QCOMPARE(seen.title, QStringLiteral("題"));
      QCOMPARE(seen.text, QStringLiteral("本文"));
    }
  }

  void QuestionAnswersSixOrSeven() {
    Seen seen;
    QCOMPARE(ShowAndPress(MessageStyle::kYesNoQuestion, u"", QMessageBox::Yes, seen), Answer::kYes);
    QCOMPARE(seen.icon, QMessageBox::Question);
    QCOMPARE(seen.buttons, QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(seen.title, QString::fromStdU16String(kProgramTitle));
    QCOMPARE(ShowAndPress(MessageStyle::kYesNoQuestion, u"", QMessageBox::No, seen), Answer::kNo);
  }

  void ProviderAnswersInsteadOfTheUser() {
    MessageBoxes boxes;
    boxes.SetAnswerProvider([](const MessageRequest& request) {
      return request.style == MessageStyle::kYesNoQuestion ? Answer::kNo : Answer::kOk;
    });
    QCOMPARE(boxes.Show(nullptr, u"作りますか", MessageStyle::kYesNoQuestion, u""), Answer::kNo);
    QCOMPARE(boxes.shown().size(), std::size_t{1});
    QCOMPARE(boxes.shown()[0].title, std::u16string(kProgramTitle));
  }
};

}  // namespace bc::testing

QTEST_MAIN(bc::testing::MessageBoxTest)
#include "message_box_test.moc"

#include "window/message_box.h"

#include <QMessageBox>
#include <QString>

#include "run/run_ui.h"

namespace bc {
namespace {

QMessageBox::Icon IconOf(MessageStyle style) {
  switch (style) {
    case MessageStyle::kError:
      return QMessageBox::Critical;
    case MessageStyle::kYesNoQuestion:
      return QMessageBox::Question;
    case MessageStyle::kExclamation:
      return QMessageBox::Warning;
    case MessageStyle::kInformation:
      return QMessageBox::Information;
    case MessageStyle::kOk:
      break;
  }
  return QMessageBox::NoIcon;
}

bool AsksYesNo(MessageStyle style) { return style == MessageStyle::kYesNoQuestion; }

}  // namespace

Answer MessageBoxes::Show(QWidget* parent, std::u16string_view text, MessageStyle style,
                          std::u16string_view title) {
  Answer answer = Answer::kOk;
  OverParent(parent, [&] { answer = Ask(text, style, title); });
  return answer;
}

Answer MessageBoxes::ShowBox(const MessageRequest& request) {
  QMessageBox box(IconOf(request.style), QString::fromStdU16String(request.title),
                  QString::fromStdU16String(request.text), QMessageBox::NoButton, parent_);
  if (AsksYesNo(request.style)) {
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(QMessageBox::Yes);
  } else {
    box.setStandardButtons(QMessageBox::Ok);
  }
  int button = box.exec();
  if (!AsksYesNo(request.style)) return Answer::kOk;
  return button == QMessageBox::Yes ? Answer::kYes : Answer::kNo;
}

}  // namespace bc

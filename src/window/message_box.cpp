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
  MessageRequest request{std::u16string(text), style,
                         title.empty() ? std::u16string(kProgramTitle) : std::u16string(title)};
  shown_.push_back(request);
  if (provider_) return provider_(request);

  QMessageBox box(IconOf(style), QString::fromStdU16String(request.title),
                  QString::fromStdU16String(request.text), QMessageBox::NoButton, parent);
  if (AsksYesNo(style)) {
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(QMessageBox::Yes);
  } else {
    box.setStandardButtons(QMessageBox::Ok);
  }
  int button = box.exec();
  if (!AsksYesNo(style)) return Answer::kOk;
  return button == QMessageBox::Yes ? Answer::kYes : Answer::kNo;
}

}  // namespace bc

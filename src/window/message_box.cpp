#include "window/message_box.h"

#include <QMessageBox>
#include <QString>

#include "run/run_ui.h"

namespace bc {
namespace {

// The icon bits (16, 32, 48, 64) of a style.
QMessageBox::Icon IconOf(int style) {
  switch (style & 0x70) {
    case 16:
      return QMessageBox::Critical;
    case 32:
      return QMessageBox::Question;
    case 48:
      return QMessageBox::Warning;
    case 64:
      return QMessageBox::Information;
    default:
      return QMessageBox::NoIcon;
  }
}

bool AsksYesNo(int style) { return (style & 0x07) == 4; }

}  // namespace

int MessageBoxes::Show(QWidget* parent, std::u16string_view text, int style,
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
  if (!AsksYesNo(style)) return kAnswerOk;
  return button == QMessageBox::Yes ? kAnswerYes : kAnswerNo;
}

}  // namespace bc

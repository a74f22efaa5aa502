#include "window/window_run_ui.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QThread>

namespace bc {

WindowRunUi::WindowRunUi(QWidget* form, QLabel* status, QLineEdit* destination, MessageBoxes& boxes)
    : form_(form), status_(status), destination_(destination), boxes_(boxes) {}

WindowRunUi::~WindowRunUi() { SetBusy(false); }

void WindowRunUi::SetStatus(std::u16string_view text) {
  status_->setText(QString::fromStdU16String(std::u16string(text)));
}

Answer WindowRunUi::ShowMessage(std::u16string_view text, MessageStyle style,
                                std::u16string_view title) {
  // A question must not be answered with the hourglass still showing.
  if (busy_) QApplication::restoreOverrideCursor();
  Answer answer = boxes_.Show(form_, text, style, title);
  if (busy_) QApplication::setOverrideCursor(Qt::WaitCursor);
  return answer;
}

void WindowRunUi::ShowWarnings(const std::vector<std::u16string>& warnings) {
  std::u16string text;
  for (const std::u16string& warning : warnings) text += (text.empty() ? u"" : u"\n") + warning;
  boxes_.Show(form_, text, MessageStyle::kExclamation, u"");
}

void WindowRunUi::SetBusy(bool busy) {
  if (busy == busy_) return;
  busy_ = busy;
  if (busy) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
  } else {
    QApplication::restoreOverrideCursor();
  }
}

void WindowRunUi::Repaint() { status_->repaint(); }

void WindowRunUi::FocusDestination() {
  focus_requested_ = true;
  destination_->setFocus();
  destination_->selectAll();
}

bool QtWindowThread::IsCurrent() const { return QThread::currentThread() == context_->thread(); }

void QtWindowThread::Post(std::function<void()> task) {
  QMetaObject::invokeMethod(context_, std::move(task), Qt::QueuedConnection);
}

}  // namespace bc

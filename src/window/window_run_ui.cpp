#include "window/window_run_ui.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QThread>

namespace bc {

WindowRunUi::WindowRunUi(QWidget* form, QLabel* status, QLineEdit* destination, MessageBoxes& boxes)
    : form_(form), status_(status), destination_(destination), boxes_(boxes) {}

WindowRunUi::~WindowRunUi() { SetBusy(false); }

void WindowRunUi::OnWindowThread(const std::function<void()>& task) const {
  if (QThread::currentThread() == form_->thread()) {
    task();
  } else {
    QMetaObject::invokeMethod(form_, task, Qt::BlockingQueuedConnection);
  }
}

void WindowRunUi::SetStatus(std::u16string_view text) {
  QString shown = QString::fromStdU16String(std::u16string(text));
  OnWindowThread([this, &shown] { status_->setText(shown); });
}

Answer WindowRunUi::ShowMessage(std::u16string_view text, MessageStyle style,
                                std::u16string_view title) {
  Answer answer = Answer::kOk;
  OnWindowThread([&] {
    // A question must not be answered with the hourglass still showing.
    if (busy_) QApplication::restoreOverrideCursor();
    answer = boxes_.Show(form_, text, style, title);
    if (busy_) QApplication::setOverrideCursor(Qt::WaitCursor);
  });
  return answer;
}

void WindowRunUi::ShowWarnings(const std::vector<std::u16string>& warnings) {
  std::u16string text;
  for (const std::u16string& warning : warnings) text += (text.empty() ? u"" : u"\n") + warning;
  OnWindowThread([&] { boxes_.Show(form_, text, MessageStyle::kExclamation, u""); });
}

void WindowRunUi::SetBusy(bool busy) {
  OnWindowThread([this, busy] {
    if (busy == busy_) return;
    busy_ = busy;
    if (busy) {
      QApplication::setOverrideCursor(Qt::WaitCursor);
    } else {
      QApplication::restoreOverrideCursor();
    }
  });
}

// The window's thread is free while the run works and paints by itself; on
// that thread (a run without a worker) the label is painted at once.
void WindowRunUi::Repaint() {
  if (QThread::currentThread() == form_->thread()) status_->repaint();
}

void WindowRunUi::FocusDestination() {
  OnWindowThread([this] {
    focus_requested_ = true;
    destination_->setFocus();
    destination_->selectAll();
  });
}

}  // namespace bc

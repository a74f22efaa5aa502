// The conversion run's user interface inside the window: the status label,
// message boxes and the hourglass. The run works on a thread of its own;
// every call is carried over to the window's thread and waited for, so the
// run sees its status shown and its questions answered in order.
#ifndef BORINGCONV_WINDOW_WINDOW_RUN_UI_H_
#define BORINGCONV_WINDOW_WINDOW_RUN_UI_H_

#include <functional>

#include "run/run_ui.h"
#include "window/message_box.h"

class QLabel;
class QLineEdit;
class QWidget;

namespace bc {

class WindowRunUi : public RunUi {
 public:
  WindowRunUi(QWidget* form, QLabel* status, QLineEdit* destination, MessageBoxes& boxes);
  // A run that stops on an error must not leave the hourglass behind.
  // Destroyed on the window's thread.
  ~WindowRunUi() override;
  WindowRunUi(const WindowRunUi&) = delete;
  WindowRunUi& operator=(const WindowRunUi&) = delete;

  void SetStatus(std::u16string_view text) override;
  Answer ShowMessage(std::u16string_view text, MessageStyle style,
                     std::u16string_view title) override;
  void SetBusy(bool busy) override;
  void Repaint() override;
  void FocusDestination() override;
  void ShowWarnings(const std::vector<std::u16string>& warnings) override;

  bool busy() const { return busy_; }
  // True once the run asked for the destination box's focus.
  bool destination_focus_requested() const { return focus_requested_; }

 private:
  // Runs task on the window's thread and returns when it has run.
  void OnWindowThread(const std::function<void()>& task) const;

  QWidget* form_;
  QLabel* status_;
  QLineEdit* destination_;
  MessageBoxes& boxes_;
  // Touched on the window's thread only.
  bool busy_ = false;
  bool focus_requested_ = false;
};

}  // namespace bc

#endif  // BORINGCONV_WINDOW_WINDOW_RUN_UI_H_

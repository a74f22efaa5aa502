// The conversion run's user interface inside the window: the status label,
// message boxes and the hourglass, called on the window's thread only (the
// model carries a worker's calls over), and the window's thread as the
// model posts work to it.
#ifndef BORINGCONV_WINDOW_WINDOW_RUN_UI_H_
#define BORINGCONV_WINDOW_WINDOW_RUN_UI_H_

#include "run/run_ui.h"
#include "window/message_box.h"
#include "window_model/window_thread.h"

class QLabel;
class QLineEdit;
class QObject;
class QWidget;

namespace bc {

class WindowRunUi : public RunUi {
 public:
  WindowRunUi(QWidget* form, QLabel* status, QLineEdit* destination, MessageBoxes& boxes);
  // A run that stops on an error must not leave the hourglass behind.
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
  QWidget* form_;
  QLabel* status_;
  QLineEdit* destination_;
  MessageBoxes& boxes_;
  bool busy_ = false;
  bool focus_requested_ = false;
};

// Work for the thread of a Qt object, queued among its events.
class QtWindowThread : public WindowThread {
 public:
  explicit QtWindowThread(QObject* context) : context_(context) {}
  bool IsCurrent() const override;
  void Post(std::function<void()> task) override;

 private:
  QObject* context_;
};

}  // namespace bc

#endif  // BORINGCONV_WINDOW_WINDOW_RUN_UI_H_

// The conversion run's user interface inside the window: the status label,
// message boxes, the hourglass and one repaint.
#ifndef BORINGCONV_WINDOW_WINDOW_RUN_UI_H_
#define BORINGCONV_WINDOW_WINDOW_RUN_UI_H_

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
  ~WindowRunUi() override;
  WindowRunUi(const WindowRunUi&) = delete;
  WindowRunUi& operator=(const WindowRunUi&) = delete;

  void SetStatus(std::u16string_view text) override;
  int ShowMessage(std::u16string_view text, int style, std::u16string_view title) override;
  void SetBusy(bool busy) override;
  void Repaint() override;
  void FocusDestination() override;
  void ShowWarnings(const std::vector<std::u16string>& warnings) override;

  bool busy() const { return busy_; }

 private:
  QWidget* form_;
  QLabel* status_;
  QLineEdit* destination_;
  MessageBoxes& boxes_;
  bool busy_ = false;
};

}  // namespace bc

#endif  // BORINGCONV_WINDOW_WINDOW_RUN_UI_H_

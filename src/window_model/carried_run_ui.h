// A run's user interface seen from its worker thread: every call is carried
// over to the window's thread and waited for, so the run sees its status
// shown and its questions answered in order. The window's own RunUi does the
// showing and is only ever called on the window's thread.
#ifndef BORINGCONV_WINDOW_MODEL_CARRIED_RUN_UI_H_
#define BORINGCONV_WINDOW_MODEL_CARRIED_RUN_UI_H_

#include <string>

#include "run/run_ui.h"
#include "window_model/window_thread.h"

namespace bc {

class CarriedRunUi : public RunUi {
 public:
  CarriedRunUi(RunUi& view, WindowThread& thread) : view_(view), thread_(thread) {}

  void SetStatus(std::u16string_view text) override;
  Answer ShowMessage(std::u16string_view text, MessageStyle style,
                     std::u16string_view title) override;
  void SetBusy(bool busy) override;
  void Repaint() override;
  void FocusDestination() override;
  void ShowWarnings(const std::vector<std::u16string>& warnings) override;

  // The last message the run showed other than a question: for a run
  // that stopped, why; it stays in the status label once the box is
  // closed. Read after the run.
  const std::u16string& last_problem() const { return last_problem_; }
  // The status text last shown. Read after the run.
  const std::u16string& status() const { return status_; }

 private:
  RunUi& view_;
  WindowThread& thread_;
  std::u16string last_problem_;
  std::u16string status_;
};

}  // namespace bc

#endif  // BORINGCONV_WINDOW_MODEL_CARRIED_RUN_UI_H_

#include "window_model/carried_run_ui.h"

namespace bc {

void CarriedRunUi::SetStatus(std::u16string_view text) {
  status_ = std::u16string(text);
  thread_.RunAndWait([this, text] { view_.SetStatus(text); });
}

Answer CarriedRunUi::ShowMessage(std::u16string_view text, MessageStyle style,
                                 std::u16string_view title) {
  if (style != MessageStyle::kYesNoQuestion) last_problem_ = std::u16string(text);
  Answer answer = Answer::kOk;
  thread_.RunAndWait([&] { answer = view_.ShowMessage(text, style, title); });
  return answer;
}

void CarriedRunUi::SetBusy(bool busy) {
  thread_.RunAndWait([this, busy] { view_.SetBusy(busy); });
}

// The window's thread is free while the run works and paints by itself; on
// that thread (a run without a worker) the window is painted at once.
void CarriedRunUi::Repaint() {
  if (thread_.IsCurrent()) view_.Repaint();
}

void CarriedRunUi::FocusDestination() {
  thread_.RunAndWait([this] { view_.FocusDestination(); });
}

void CarriedRunUi::ShowWarnings(const std::vector<std::u16string>& warnings) {
  thread_.RunAndWait([this, &warnings] { view_.ShowWarnings(warnings); });
}

}  // namespace bc

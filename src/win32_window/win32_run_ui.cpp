#include "win32_window/win32_run_ui.h"

#include <memory>

#include "win32_window/wide.h"

namespace bc::win32 {

void Win32RunUi::SetStatus(std::u16string_view text) { SetText(status_, std::u16string(text)); }

// A question must not be answered with the hourglass still showing.
Answer Win32RunUi::ShowMessage(std::u16string_view text, MessageStyle style,
                               std::u16string_view title) {
  asking_ = true;
  ShowPointer(false);
  Answer answer = prompter_.Ask(text, style, title);
  asking_ = false;
  ShowPointer(busy());
  return answer;
}

void Win32RunUi::ShowWarnings(const std::vector<std::u16string>& warnings) {
  std::u16string text;
  for (const std::u16string& warning : warnings) text += (text.empty() ? u"" : u"\n") + warning;
  ShowMessage(text, MessageStyle::kExclamation, u"");
}

void Win32RunUi::SetBusy(bool busy) {
  busy_ = busy;
  ShowPointer(this->busy());
}

void Win32RunUi::Repaint() { UpdateWindow(status_); }

void Win32RunUi::FocusDestination() {
  focus_requested_ = true;
  SetFocus(destination_);
  SendMessageW(destination_, EM_SETSEL, 0, -1);
}

void Win32WindowThread::Post(std::function<void()> task) {
  auto owned = std::make_unique<std::function<void()>>(std::move(task));
  if (PostMessageW(window_, kRunTaskMessage, 0, reinterpret_cast<LPARAM>(owned.get()))) {
    owned.release();  // the window's message takes it
  }
}

void ShowPointer(bool busy) { SetCursor(LoadCursorW(nullptr, busy ? IDC_WAIT : IDC_ARROW)); }

}  // namespace bc::win32

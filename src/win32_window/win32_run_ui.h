// The run's user interface in the native window, called on the window's
// thread only (the model carries the worker's calls over), and the window's
// thread as the model posts work to it: a message to the main window.
#ifndef BORINGCONV_WIN32_WINDOW_WIN32_RUN_UI_H_
#define BORINGCONV_WIN32_WINDOW_WIN32_RUN_UI_H_

#include <windows.h>

#include "run/run_ui.h"
#include "win32_window/win32_prompter.h"
#include "window_model/window_thread.h"

namespace bc::win32 {

// The main window's message that runs a posted task (lParam owns it).
inline constexpr UINT kRunTaskMessage = WM_APP + 1;

class Win32RunUi : public RunUi {
 public:
  Win32RunUi(HWND status, HWND destination, Win32Prompter& prompter)
      : status_(status), destination_(destination), prompter_(prompter) {}

  void SetStatus(std::u16string_view text) override;
  Answer ShowMessage(std::u16string_view text, MessageStyle style,
                     std::u16string_view title) override;
  void SetBusy(bool busy) override;
  void Repaint() override;
  void FocusDestination() override;
  void ShowWarnings(const std::vector<std::u16string>& warnings) override;

  // The main window shows the hourglass while this holds.
  bool busy() const { return busy_ && !asking_; }
  bool destination_focus_requested() const { return focus_requested_; }

 private:
  HWND status_;
  HWND destination_;
  Win32Prompter& prompter_;
  bool busy_ = false;
  bool asking_ = false;
  bool focus_requested_ = false;
};

class Win32WindowThread : public WindowThread {
 public:
  Win32WindowThread() : thread_id_(GetCurrentThreadId()) {}
  void SetWindow(HWND window) { window_ = window; }
  bool IsCurrent() const override { return GetCurrentThreadId() == thread_id_; }
  void Post(std::function<void()> task) override;

 private:
  DWORD thread_id_;
  HWND window_ = nullptr;
};

// The pointer as the main window shows it now.
void ShowPointer(bool busy);

}  // namespace bc::win32

#endif  // BORINGCONV_WIN32_WINDOW_WIN32_RUN_UI_H_

// Message boxes through MessageBoxW, with the buttons and icon of each
// message style.
#ifndef BORINGCONV_WIN32_WINDOW_WIN32_PROMPTER_H_
#define BORINGCONV_WIN32_WINDOW_WIN32_PROMPTER_H_

#include <windows.h>

#include "window_model/prompter.h"

namespace bc::win32 {

class Win32Prompter : public Prompter {
 public:
  // The window the boxes are modal to; none before the window exists.
  void SetOwner(HWND owner) { owner_ = owner; }

 protected:
  Answer ShowBox(const MessageRequest& request) override;

 private:
  HWND owner_ = nullptr;
};

}  // namespace bc::win32

#endif  // BORINGCONV_WIN32_WINDOW_WIN32_PROMPTER_H_

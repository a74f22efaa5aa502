#include "win32_window/win32_prompter.h"

#include "win32_window/wide.h"

namespace bc::win32 {
namespace {

UINT StyleFlags(MessageStyle style) {
  switch (style) {
    case MessageStyle::kInformation:
      return MB_OK | MB_ICONINFORMATION;
    case MessageStyle::kYesNoQuestion:
      return MB_YESNO | MB_ICONQUESTION;
    case MessageStyle::kExclamation:
      return MB_OK | MB_ICONEXCLAMATION;
    case MessageStyle::kError:
      return MB_OK | MB_ICONERROR;
    case MessageStyle::kOk:
      break;
  }
  return MB_OK;
}

}  // namespace

Answer Win32Prompter::ShowBox(const MessageRequest& request) {
  // Without an owner the box must not hide behind other programs' windows.
  UINT flags = StyleFlags(request.style) | (owner_ == nullptr ? MB_SETFOREGROUND : 0u);
  int button = MessageBoxW(owner_, W(request.text), W(request.title), flags);
  if (request.style != MessageStyle::kYesNoQuestion) return Answer::kOk;
  return button == IDYES ? Answer::kYes : Answer::kNo;
}

}  // namespace bc::win32

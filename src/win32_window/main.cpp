// boringconv-window.exe: the converter's native window.
#include <windows.h>

#include <commctrl.h>
#include <objbase.h>

// GDI+ wants min and max, which NOMINMAX keeps out of windows.h.
#include <algorithm>
namespace Gdiplus {
using std::max;
using std::min;
}  // namespace Gdiplus
#include <gdiplus.h>

#include <cstdlib>

#include "environment/settings.h"
#include "win32_window/folder_dialog.h"
#include "win32_window/main_window.h"
#include "win32_window/search_window.h"
#include "win32_window/wide.h"

namespace {

int RunMessageLoop(bc::win32::MainWindow& window) {
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (window.PreTranslate(message)) continue;
    if (IsDialogMessageW(window.window(), &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}

std::u16string PathVariable() {
  const wchar_t* path = _wgetenv(L"PATH");
  return path != nullptr ? bc::win32::U(path) : std::u16string();
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int show) {
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  Gdiplus::GdiplusStartupInput gdiplus_input;
  ULONG_PTR gdiplus = 0;
  Gdiplus::GdiplusStartup(&gdiplus, &gdiplus_input, nullptr);

  int result = 1;
  {
    bc::win32::Win32Prompter prompter;
    bc::StartSettings settings{bc::UserSettingsFolder(),
                               {bc::SystemFolder()},
                               PathVariable(),
                               [] { return bc::win32::PickFolder(nullptr); },
                               &bc::win32::SearchPatdatWithWindow};
    std::optional<bc::StartedWindow> started = bc::PrepareStart(settings, prompter);
    if (started) {
      bc::win32::MainWindow window(std::move(*started), settings.settings_folder, prompter);
      if (window.Create(show)) result = RunMessageLoop(window);
    }
  }
  Gdiplus::GdiplusShutdown(gdiplus);
  CoUninitialize();
  return result;
}

#include "win32_window/search_window.h"

#include <windows.h>

#include "win32_window/control_ids.h"
#include "win32_window/wide.h"
#include "window_model/patdat_search_job.h"

namespace bc::win32 {
namespace {

constexpr UINT_PTR kPollTimer = 1;

struct SearchWindow {
  PatdatSearchJob* job;
  HWND folder = nullptr;
  HWND cancel = nullptr;
};

void AskToStop(HWND window, SearchWindow& search) {
  search.job->Cancel();
  EnableWindow(search.cancel, FALSE);
  (void)window;
}

LRESULT CALLBACK SearchProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(lparam);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* search = reinterpret_cast<SearchWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  switch (message) {
    case WM_TIMER:
      // Tens of thousands of folders: a look at the latest a few times a second.
      SetText(search->folder, search->job->CurrentFolder());
      return 0;
    case WM_COMMAND:
      if (LOWORD(wparam) == kSearchCancel || LOWORD(wparam) == IDCANCEL) AskToStop(window, *search);
      return 0;
    case WM_CLOSE:
      AskToStop(window, *search);
      return 0;
  }
  return DefWindowProcW(window, message, wparam, lparam);
}

HWND Child(HWND parent, const wchar_t* type, const std::u16string& text, DWORD style, int x, int y,
           int width, int height, int id, HFONT font) {
  HWND child = CreateWindowExW(0, type, W(text), WS_CHILD | WS_VISIBLE | style, x, y, width, height,
                               parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                               GetModuleHandleW(nullptr), nullptr);
  SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  return child;
}

HWND CreateSearchWindow(SearchWindow& search, HFONT font, int scale_percent) {
  WNDCLASSEXW type{};
  type.cbSize = sizeof(type);
  type.lpfnWndProc = &SearchProc;
  type.hInstance = GetModuleHandleW(nullptr);
  type.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  type.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  type.lpszClassName = kSearchClass;
  RegisterClassExW(&type);
  auto s = [scale_percent](int value) { return MulDiv(value, scale_percent, 100); };
  RECT frame{0, 0, s(460), s(110)};
  DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
  AdjustWindowRect(&frame, style, FALSE);
  int width = frame.right - frame.left;
  int height = frame.bottom - frame.top;
  HWND window = CreateWindowExW(WS_EX_DLGMODALFRAME, kSearchClass, W(kSearchTitle), style,
                                (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                                (GetSystemMetrics(SM_CYSCREEN) - height) / 2, width, height,
                                nullptr, nullptr, GetModuleHandleW(nullptr), &search);
  Child(window, L"STATIC", kSearchCaption, 0, s(12), s(12), s(436), s(20), -1, font);
  search.folder = Child(window, L"STATIC", u"", SS_PATHELLIPSIS, s(12), s(36), s(436), s(20),
                        kSearchFolder, font);
  search.cancel = Child(window, L"BUTTON", kCancelText, WS_TABSTOP | BS_PUSHBUTTON, s(348), s(70),
                        s(100), s(28), kSearchCancel, font);
  return window;
}

}  // namespace

std::u16string SearchPatdatWithWindow(const Environment& env) {
  PatdatSearchJob job(env, {});
  SearchWindow search{&job};
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
  HFONT font = CreateFontIndirectW(&metrics.lfMessageFont);
  HDC screen = GetDC(nullptr);
  int scale_percent = MulDiv(GetDeviceCaps(screen, LOGPIXELSY), 100, 96);
  ReleaseDC(nullptr, screen);
  HWND window = CreateSearchWindow(search, font, scale_percent);
  ShowWindow(window, SW_SHOW);
  SetForegroundWindow(window);
  SetTimer(window, kPollTimer, 50, nullptr);
  MSG message;
  while (!job.Done()) {
    // Wakes for input and at the timer; the search ending is seen at the next tick.
    if (GetMessageW(&message, nullptr, 0, 0) <= 0) {
      job.Cancel();
      break;
    }
    if (!IsDialogMessageW(window, &message)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
  KillTimer(window, kPollTimer);
  DestroyWindow(window);
  DeleteObject(font);
  return job.Finish();
}

}  // namespace bc::win32

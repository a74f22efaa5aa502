// Starts boringconv-window.exe, fills its two path boxes, presses 「実  行」
// and answers its message boxes as a user would, then checks the status
// label and the picture's pixels.
//   window_driver WINDOW_EXE SOURCE DESTINATION EXPECTED_BOX [bad]
//   window_driver WINDOW_EXE first-start
// Without "bad": answers the folder question (EXPECTED_BOX) with はい, waits
// for the success text and reads back each soil band's colour. With "bad":
// expects a box with EXPECTED_BOX, and the label never shows success. With
// first-start (no settings): cancels the search and declines to choose.
#include <windows.h>

// GDI+ wants min and max, which NOMINMAX keeps out of windows.h.
#include <algorithm>
namespace Gdiplus {
using std::max;
using std::min;
}  // namespace Gdiplus
#include <gdiplus.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "picture/boring_profile.h"
#include "picture/picture_files.h"
#include "picture/picture_layout.h"
#include "win32_window/control_ids.h"

namespace {

using namespace bc::win32;

constexpr wchar_t kSuccess[] = L"変換が正常に終了しました。";

int failures = 0;

void Fail(const char* what) {
  std::fprintf(stderr, "window_driver: %s\n", what);
  ++failures;
}

std::wstring Text(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(
      static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

struct Found {
  DWORD process;
  const wchar_t* type;
  HWND window = nullptr;
};

BOOL CALLBACK Match(HWND window, LPARAM param) {
  auto* found = reinterpret_cast<Found*>(param);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  wchar_t type[64];
  GetClassNameW(window, type, 64);
  if (process != found->process || !IsWindowVisible(window) || wcscmp(type, found->type) != 0) {
    return TRUE;
  }
  found->window = window;
  return FALSE;
}

HWND FindTopWindow(DWORD process, const wchar_t* type) {
  Found found{process, type};
  EnumWindows(&Match, reinterpret_cast<LPARAM>(&found));
  return found.window;
}

// For messages on a terminal that reads UTF-8.
std::string Utf8(const std::wstring& text) {
  std::string bytes(text.size() * 3 + 1, '\0');
  int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()),
                                 bytes.data(), static_cast<int>(bytes.size()), nullptr, nullptr);
  bytes.resize(static_cast<std::size_t>(size));
  return bytes;
}

// A message box's text and a button press.
std::wstring BoxText(HWND box) { return Text(GetDlgItem(box, 0xFFFF)); }
void Press(HWND box, int button) {
  PostMessageW(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(box, button)));
}

// Waits for the run: answers boxes; true once the label shows success.
bool DriveRun(DWORD process, HWND label, const std::wstring& expected_box, bool bad) {
  bool box_seen = false;
  for (int tick = 0; tick < 1200; ++tick, Sleep(100)) {
    if (HWND box = FindTopWindow(process, L"#32770")) {
      std::wstring text = BoxText(box);
      if (text.empty()) continue;  // shown before its text is set
      // A box may say more after the expected text (the file's name, say).
      bool expected = text.rfind(expected_box, 0) == 0;
      box_seen = box_seen || expected;
      if (!expected) std::fprintf(stderr, "window_driver: box: %s\n", Utf8(text).c_str());
      Press(box, bad ? IDOK : (expected ? IDYES : IDOK));
      Sleep(300);
      if (bad && box_seen) return Text(label) == kSuccess;
      continue;
    }
    if (Text(label) == kSuccess) {
      if (!box_seen) Fail("the expected message box never showed");
      return true;
    }
  }
  if (!box_seen) Fail("the expected message box never showed");
  return false;
}

// Reads the picture back from the screen and checks each band's colour.
void CheckPicture(HWND picture, const std::filesystem::path& destination) {
  SetForegroundWindow(GetAncestor(picture, GA_ROOT));
  Sleep(1000);
  RECT client;
  GetClientRect(picture, &client);
  POINT origin{0, 0};
  ClientToScreen(picture, &origin);
  HDC screen = GetDC(nullptr);
  bc::BoringProfile profile =
      bc::ReadBoringProfile(bc::PictureFilesIn(destination), bc::FolderName(destination));
  bc::Drawing drawing = bc::LayOutPicture(profile, client.right, client.bottom);
  int bands = 0;
  drawing.ForEach([&](const auto& shape) {
    if constexpr (std::is_same_v<std::decay_t<decltype(shape)>, bc::RectShape>) {
      if (shape.role != bc::Role::kLayer || !shape.fill || shape.height < 6) return;
      ++bands;
      int x = origin.x + static_cast<int>(shape.x) + 3;
      int y = origin.y + static_cast<int>(shape.y + shape.height / 2);
      COLORREF pixel = GetPixel(screen, x, y);
      auto close_to = [](int a, int b) { return std::abs(a - b) <= 8; };
      if (!close_to(GetRValue(pixel), shape.fill->r) ||
          !close_to(GetGValue(pixel), shape.fill->g) ||
          !close_to(GetBValue(pixel), shape.fill->b)) {
        std::fprintf(stderr, "window_driver: band at %d,%d is %06lx, not %02x%02x%02x\n", x, y,
                     static_cast<unsigned long>(pixel), shape.fill->r, shape.fill->g,
                     shape.fill->b);
        ++failures;
      }
    }
  });
  ReleaseDC(nullptr, screen);
  if (bands == 0) Fail("the picture has no soil bands");
}

// Waits up to a minute for a top window of the process.
HWND WaitForWindow(DWORD process, const wchar_t* type) {
  HWND found = nullptr;
  for (int tick = 0; tick < 600 && found == nullptr; ++tick, Sleep(100)) {
    found = FindTopWindow(process, type);
  }
  return found;
}

// Waits for a message box with text and presses button in it.
void Answer(DWORD process, const std::wstring& text, int button) {
  for (int tick = 0; tick < 300; ++tick, Sleep(100)) {
    HWND box = FindTopWindow(process, L"#32770");
    if (box == nullptr || BoxText(box).empty()) continue;
    if (BoxText(box) != text) {
      std::fprintf(stderr, "window_driver: box: %s\n", Utf8(BoxText(box)).c_str());
      break;
    }
    Press(box, button);
    Sleep(300);
    return;
  }
  Fail("an expected message box never showed");
}

// A first start without settings: the search window shows, Cancel ends the
// search, and declining the offer to choose ends the program.
void DriveFirstStart(const PROCESS_INFORMATION& child) {
  HWND search = WaitForWindow(child.dwProcessId, kSearchClass);
  if (search == nullptr) return Fail("the search window never showed");
  PostMessageW(search, WM_COMMAND, MAKEWPARAM(kSearchCancel, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(search, kSearchCancel)));
  Answer(child.dwProcessId, L" PATDAT の設定がありません.", IDOK);
  Answer(child.dwProcessId,
         L"パターンデータのフォルダ (PATDAT) を今選びますか？\n"
         L"選んだフォルダは設定ファイルに書き込まれ、次からはそれを使います。",
         IDNO);
  if (WaitForSingleObject(child.hProcess, 30000) != WAIT_OBJECT_0) {
    Fail("the program did not end after the cancelled search");
    TerminateProcess(child.hProcess, 1);
  }
}

// The whole window as the screen shows it, written as PNG (the README's
// picture of the Windows window).
void SaveScreenshot(HWND window, const wchar_t* file) {
  RECT frame;
  GetWindowRect(window, &frame);
  int width = frame.right - frame.left, height = frame.bottom - frame.top;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  HGDIOBJ former = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen, frame.left, frame.top, SRCCOPY);
  SelectObject(memory, former);
  Gdiplus::GdiplusStartupInput input;
  ULONG_PTR token = 0;
  Gdiplus::GdiplusStartup(&token, &input, nullptr);
  {
    const CLSID png = {
        0x557cf406, 0x1a04, 0x11d3, {0x9a, 0x73, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};
    Gdiplus::Bitmap image(bitmap, nullptr);
    if (image.Save(file, &png, nullptr) != Gdiplus::Ok) Fail("cannot write the screenshot");
  }
  Gdiplus::GdiplusShutdown(token);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 3) return 2;
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION child{};
  std::wstring command = L"\"" + std::wstring(argv[1]) + L"\"";
  if (!CreateProcessW(argv[1], command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &child)) {
    Fail("cannot start the window");
    return 1;
  }
  if (std::wstring(argv[2]) == L"first-start") {
    DriveFirstStart(child);
    CloseHandle(child.hThread);
    CloseHandle(child.hProcess);
    return failures == 0 ? 0 : 1;
  }
  if (argc < 5) return 2;
  bool bad = argc > 5 && std::wstring(argv[5]) == L"bad";
  // The pointer away from the picture: a move over it clears the success text.
  SetCursorPos(0, 0);
  HWND main = WaitForWindow(child.dwProcessId, kMainClass);
  if (main == nullptr) {
    Fail("the window never showed");
    TerminateProcess(child.hProcess, 1);
    return 1;
  }
  SendMessageW(GetDlgItem(main, kSourceBox), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(argv[2]));
  SendMessageW(GetDlgItem(main, kDestinationBox), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(argv[3]));
  HWND run = GetDlgItem(main, kRunButton);
  PostMessageW(main, WM_COMMAND, MAKEWPARAM(kRunButton, BN_CLICKED), reinterpret_cast<LPARAM>(run));
  bool success = DriveRun(child.dwProcessId, GetDlgItem(main, kStatusLabel), argv[4], bad);
  if (bad && success) Fail("a bad source shows the success text");
  if (!bad && !success) Fail("the success text never showed");
  if (!bad && success) CheckPicture(GetDlgItem(main, kPicture), std::filesystem::path(argv[3]));
  if (const wchar_t* screenshot = _wgetenv(L"BORINGCONV_SCREENSHOT"); screenshot && !bad) {
    SaveScreenshot(main, screenshot);
  }
  PostMessageW(main, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(child.hProcess, 30000) != WAIT_OBJECT_0) {
    Fail("the window did not close");
    TerminateProcess(child.hProcess, 1);
  }
  CloseHandle(child.hThread);
  CloseHandle(child.hProcess);
  return failures == 0 ? 0 : 1;
}

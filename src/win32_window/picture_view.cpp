#include "win32_window/picture_view.h"

#include <windowsx.h>

#include <commctrl.h>
#include <commdlg.h>

#include "environment/environment.h"
#include "picture/picture_layout.h"
#include "picture/svg_picture.h"
#include "run/run_error.h"
#include "win32_window/control_ids.h"
#include "win32_window/gdiplus_include.h"
#include "win32_window/gdiplus_painter.h"
#include "win32_window/wide.h"

namespace bc::win32 {
namespace {

constexpr UINT kSaveSvg = 1;
constexpr UINT kSavePng = 2;

// Asks where to save: a file name, empty when the user cancelled.
std::u16string AskSavePath(HWND owner, bool svg, const std::u16string& suggested) {
  std::wstring file(32768, L'\0');
  std::copy(suggested.begin(), suggested.end(), file.begin());
  std::u16string filter = svg ? std::u16string(u"SVG 画像 (*.svg)\0*.svg\0\0", 23)
                              : std::u16string(u"PNG 画像 (*.png)\0*.png\0\0", 23);
  std::u16string title = svg ? u"SVG で保存" : u"PNG で保存";
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof(dialog);
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = W(filter);
  dialog.lpstrFile = file.data();
  dialog.nMaxFile = static_cast<DWORD>(file.size());
  dialog.lpstrTitle = W(title);
  dialog.lpstrDefExt = svg ? L"svg" : L"png";
  dialog.Flags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR;
  if (!GetSaveFileNameW(&dialog)) return {};
  return U(file.c_str());
}

}  // namespace

void PictureView::Register(HINSTANCE instance) {
  WNDCLASSEXW type{};
  type.cbSize = sizeof(type);
  type.lpfnWndProc = &PictureView::Proc;
  type.hInstance = instance;
  type.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  type.lpszClassName = kPictureClass;
  RegisterClassExW(&type);
}

HWND PictureView::Create(HWND parent, int id, std::function<void()> mouse_moved) {
  mouse_moved_ = std::move(mouse_moved);
  window_ = CreateWindowExW(0, kPictureClass, L"", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, parent,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                            GetModuleHandleW(nullptr), this);
  tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX,
                             CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window_,
                             nullptr, GetModuleHandleW(nullptr), nullptr);
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof(tool);
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = window_;
  tool.uId = reinterpret_cast<UINT_PTR>(window_);
  tool.lpszText = const_cast<wchar_t*>(L"");
  SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  SendMessageW(tooltip_, TTM_SETMAXTIPWIDTH, 0, 400);
  return window_;
}

void PictureView::Refresh() { InvalidateRect(window_, nullptr, FALSE); }

LRESULT CALLBACK PictureView::Proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(lparam);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* self = reinterpret_cast<PictureView*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self == nullptr || self->window_ == nullptr) {
    return DefWindowProcW(window, message, wparam, lparam);
  }
  return self->Handle(message, wparam, lparam);
}

LRESULT PictureView::Handle(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_PAINT:
      Paint();
      return 0;
    case WM_ERASEBKGND:
      return 1;  // painted whole, off screen
    case WM_SIZE:
      Refresh();
      return 0;
    case WM_MOUSEMOVE:
      OnMouseMove(GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam));
      return 0;
    case WM_CONTEXTMENU:
      OnContextMenu(GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam));
      return 0;
  }
  return DefWindowProcW(window_, message, wparam, lparam);
}

// Painted into a bitmap first, so that a resize does not flicker.
void PictureView::Paint() {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(window_, &ps);
  RECT client;
  GetClientRect(window_, &client);
  int width = std::max<int>(1, client.right);
  int height = std::max<int>(1, client.bottom);
  Gdiplus::Bitmap buffer(width, height, PixelFormat32bppRGB);
  {
    Gdiplus::Graphics graphics(&buffer);
    if (form_.picture().empty()) {
      PaintPlaceholder(graphics, width, height, font_);
    } else {
      graphics.Clear(Gdiplus::Color(255, 255, 255, 255));
      PaintDrawing(graphics, LayOutPicture(form_.picture(), width, height));
    }
  }
  Gdiplus::Graphics screen(dc);
  screen.DrawImage(&buffer, 0, 0);
  EndPaint(window_, &ps);
}

void PictureView::OnMouseMove(int x, int y) {
  if (mouse_moved_) mouse_moved_();
  std::u16string tip;
  if (!form_.picture().empty()) {
    RECT client;
    GetClientRect(window_, &client);
    Drawing drawing = LayOutPicture(form_.picture(), client.right, client.bottom);
    tip = drawing.TipAt({x + 0.5, y + 0.5});
  }
  if (tip == tip_) return;
  tip_ = tip;
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof(tool);
  tool.hwnd = window_;
  tool.uId = reinterpret_cast<UINT_PTR>(window_);
  tool.lpszText = const_cast<wchar_t*>(W(tip_));
  SendMessageW(tooltip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
  SendMessageW(tooltip_, TTM_ACTIVATE, tip_.empty() ? FALSE : TRUE, 0);
}

void PictureView::OnContextMenu(int screen_x, int screen_y) {
  if (form_.picture().empty()) return;
  HMENU menu = CreatePopupMenu();
  AppendMenuW(menu, MF_STRING, kSaveSvg, L"SVG で保存…");
  AppendMenuW(menu, MF_STRING, kSavePng, L"PNG で保存…");
  if (screen_x == -1 && screen_y == -1) {  // the menu key: at the window's corner
    POINT corner{0, 0};
    ClientToScreen(window_, &corner);
    screen_x = corner.x;
    screen_y = corner.y;
  }
  UINT chosen = static_cast<UINT>(TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, screen_x,
                                                 screen_y, 0, window_, nullptr));
  DestroyMenu(menu);
  if (chosen != 0) Save(chosen == kSaveSvg);
}

void PictureView::Save(bool svg) {
  std::u16string folder = form_.picture_folder();
  if (!folder.empty() && folder.back() != u'\\') folder += u'\\';
  std::u16string file =
      AskSavePath(GetAncestor(window_, GA_ROOT), svg,
                  folder + PictureFileStem(form_.picture()) + (svg ? u".svg" : u".png"));
  if (file.empty()) return;
  if (!svg) {
    if (!SavePicturePng(form_.picture(), ToHostPath(file))) {
      prompter_.Ask(CannotWriteMessage(file), MessageStyle::kError, u"");
    }
    return;
  }
  try {
    WritePictureSvg(form_.picture(), ToHostPath(file));
  } catch (const RunError& error) {
    prompter_.Ask(error.message(), MessageStyle::kError, u"");
  }
}

}  // namespace bc::win32

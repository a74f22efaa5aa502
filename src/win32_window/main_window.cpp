#include "win32_window/main_window.h"

#include <commctrl.h>
#include <shellapi.h>

#include "environment/help_file.h"
#include "win32_window/control_ids.h"
#include "win32_window/folder_dialog.h"
#include "win32_window/wide.h"
#include "window_model/folder_listing.h"

namespace bc::win32 {
namespace {

constexpr int kControlIds[] = {
    kSourceDrives, kSourceFolders,  kSourceFiles,       kDestinationDrives, kDestinationFolders,
    kSourceBox,    kDestinationBox, kRunButton,         kQuitButton,        kPatdatButton,
    kPicture,      kSourceCaption,  kDestinationCaption};

void SetBounds(HWND control, int x, int y, int width, int height) {
  SetWindowPos(control, nullptr, x, y, std::max(0, width), std::max(0, height),
               SWP_NOZORDER | SWP_NOACTIVATE);
}

bool OpenWithShell(HWND owner, const std::filesystem::path& file) {
  auto result = reinterpret_cast<INT_PTR>(
      ShellExecuteW(owner, L"open", file.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
  return result > 32;
}

}  // namespace

MainWindow::MainWindow(StartedWindow started, std::filesystem::path system_folder,
                       Win32Prompter& prompter)
    : form_(std::move(started.env), std::move(started.patdat_path)),
      prompter_(prompter),
      help_{std::move(started.help_file_path), LocateHelpPage(form_.env().program_folder())},
      picture_(form_, prompter) {
  form_.SetSystemFolder(std::move(system_folder));
}

MainWindow::~MainWindow() {
  if (font_ != nullptr) DeleteObject(font_);
}

bool MainWindow::Create(int show) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW type{};
  type.cbSize = sizeof(type);
  type.lpfnWndProc = &MainWindow::Proc;
  type.hInstance = instance;
  type.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  type.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
  type.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  type.lpszClassName = kMainClass;
  if (!RegisterClassExW(&type)) return false;
  PictureView::Register(instance);

  HDC screen = GetDC(nullptr);
  dpi_ = static_cast<UINT>(GetDeviceCaps(screen, LOGPIXELSY));
  ReleaseDC(nullptr, screen);
  int width = MulDiv(960, static_cast<int>(dpi_), 96);
  int height = MulDiv(660, static_cast<int>(dpi_), 96);
  window_ = CreateWindowExW(WS_EX_CONTROLPARENT, kMainClass, W(kWindowCaption), WS_OVERLAPPEDWINDOW,
                            (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                            (GetSystemMetrics(SM_CYSCREEN) - height) / 2, width, height, nullptr,
                            nullptr, instance, this);
  if (window_ == nullptr) return false;
  ShowWindow(window_, show);
  UpdateWindow(window_);
  return true;
}

LRESULT CALLBACK MainWindow::Proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(lparam);
    auto* self = static_cast<MainWindow*>(create->lpCreateParams);
    self->window_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self == nullptr) return DefWindowProcW(window, message, wparam, lparam);
  return self->Handle(message, wparam, lparam);
}

LRESULT MainWindow::Handle(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_CREATE:
      thread_.SetWindow(window_);
      prompter_.SetOwner(window_);
      BuildControls();
      ApplyFont();
      OpenStartFolder();
      return 0;
    case WM_SIZE:
      LayOut();
      return 0;
    case WM_DPICHANGED: {
      dpi_ = HIWORD(wparam);
      const RECT* suggested = reinterpret_cast<const RECT*>(lparam);
      ApplyFont();
      SetWindowPos(window_, nullptr, suggested->left, suggested->top,
                   suggested->right - suggested->left, suggested->bottom - suggested->top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
      return 0;
    }
    case WM_GETMINMAXINFO: {
      auto* limits = reinterpret_cast<MINMAXINFO*>(lparam);
      limits->ptMinTrackSize = {MulDiv(760, static_cast<int>(dpi_), 96),
                                MulDiv(520, static_cast<int>(dpi_), 96)};
      return 0;
    }
    case WM_COMMAND:
      OnCommand(LOWORD(wparam), HIWORD(wparam));
      return 0;
    case WM_SETCURSOR:
      if (OnSetCursor()) return TRUE;
      break;
    case kRunTaskMessage: {
      std::unique_ptr<std::function<void()>> task(reinterpret_cast<std::function<void()>*>(lparam));
      (*task)();
      return 0;
    }
    case WM_CLOSE:
      // Closing mid-run waits for the run to end: the window goes then.
      if (form_.running()) {
        close_pending_ = true;
        return 0;
      }
      DestroyWindow(window_);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcW(window_, message, wparam, lparam);
}

HWND MainWindow::Add(const wchar_t* type, const std::u16string& text, DWORD style, int id,
                     DWORD ex) {
  return CreateWindowExW(ex, type, W(text), WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | style, 0, 0,
                         0, 0, window_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                         GetModuleHandleW(nullptr), nullptr);
}

// Created in tab order: the pickers, the path boxes, the buttons.
void MainWindow::BuildControls() {
  constexpr DWORD kList = WS_TABSTOP | WS_VSCROLL | WS_BORDER | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT;
  constexpr DWORD kCombo = WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST;
  source_.drives = Add(WC_COMBOBOXW, u"", kCombo, kSourceDrives);
  source_.folders = Add(WC_LISTBOXW, u"", kList, kSourceFolders);
  source_files_ = Add(WC_LISTBOXW, u"", kList, kSourceFiles);
  destination_.drives = Add(WC_COMBOBOXW, u"", kCombo, kDestinationDrives);
  destination_.folders = Add(WC_LISTBOXW, u"", kList, kDestinationFolders);
  source_caption_ = Add(L"STATIC", u"変換元ファイル名：", SS_LEFT, kSourceCaption);
  source_box_ = Add(WC_EDITW, u"", WS_TABSTOP | ES_AUTOHSCROLL, kSourceBox, WS_EX_CLIENTEDGE);
  destination_caption_ = Add(L"STATIC", u"変換先ﾌｫﾙﾀﾞ名 ：", SS_LEFT, kDestinationCaption);
  destination_box_ =
      Add(WC_EDITW, u"", WS_TABSTOP | ES_AUTOHSCROLL, kDestinationBox, WS_EX_CLIENTEDGE);
  status_label_ = Add(L"STATIC", u"", SS_LEFT | SS_NOPREFIX, kStatusLabel);
  run_button_ = Add(L"BUTTON", u"実  行", WS_TABSTOP | BS_DEFPUSHBUTTON, kRunButton);
  quit_button_ = Add(L"BUTTON", u"終  了", WS_TABSTOP | BS_PUSHBUTTON, kQuitButton);
  patdat_button_ = Add(L"BUTTON", kChangePatdatText, WS_TABSTOP | BS_PUSHBUTTON, kPatdatButton);
  picture_window_ = picture_.Create(window_, kPicture, [this] {
    if (form_.PictureMouseMoved()) SetText(status_label_, u"");
  });
  // The frames lie under the controls they hold.
  source_frame_ = Add(L"BUTTON", u"変換元ファイル名選択", BS_GROUPBOX, kSourceFrame);
  destination_frame_ = Add(L"BUTTON", u"変換先ﾌｫﾙﾀﾞ名選択", BS_GROUPBOX, kDestinationFrame);
  message_frame_ = Add(L"BUTTON", u"メッセージ", BS_GROUPBOX, kMessageFrame);
  for (HWND frame : {source_frame_, destination_frame_, message_frame_}) {
    SetWindowPos(frame, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
  FillDrives(source_);
  FillDrives(destination_);
}

// Japanese in the system's UI font, at the window's DPI.
void MainWindow::ApplyFont() {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
  HDC screen = GetDC(nullptr);
  int system_dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  metrics.lfMessageFont.lfHeight =
      MulDiv(metrics.lfMessageFont.lfHeight, static_cast<int>(dpi_), system_dpi);
  HFONT font = CreateFontIndirectW(&metrics.lfMessageFont);
  for (HWND child = GetWindow(window_, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  }
  picture_.SetFont(font);
  if (font_ != nullptr) DeleteObject(font_);
  font_ = font;
  LayOut();
}

// As the Qt window lays it out: the pickers side by side over the two path
// boxes, the message frame beside the buttons, the picture on the right.
void MainWindow::LayOut() {
  if (status_label_ == nullptr) return;
  RECT client;
  GetClientRect(window_, &client);
  auto s = [this](int value) { return MulDiv(value, static_cast<int>(dpi_), 96); };
  int m = s(8), row = s(24), caption = s(20), button_w = s(110), button_h = s(28);
  int picture_w = (client.right - 3 * m) * 3 / 8;
  int left_w = client.right - 3 * m - picture_w;
  SetBounds(picture_window_, 2 * m + left_w, m, picture_w, client.bottom - 2 * m);

  int bottom_h = 3 * button_h + 2 * s(6) + s(12);
  int paths_h = 2 * row + s(6);
  int pickers_h = client.bottom - 2 * m - bottom_h - paths_h - 2 * m;
  int source_w = (left_w - m) * 3 / 5;
  int destination_w = left_w - m - source_w;

  // The source frame: the drive list over the folder and file lists.
  SetBounds(source_frame_, m, m, source_w, pickers_h);
  int inner_y = m + caption, inner_w = source_w - 2 * m;
  SetBounds(source_.drives, 2 * m, inner_y, inner_w, s(300));
  int lists_y = inner_y + row + s(6), lists_h = m + pickers_h - lists_y - m;
  SetBounds(source_.folders, 2 * m, lists_y, (inner_w - m) / 2, lists_h);
  SetBounds(source_files_, 3 * m + (inner_w - m) / 2, lists_y, inner_w - m - (inner_w - m) / 2,
            lists_h);
  int dx = 2 * m + source_w;
  SetBounds(destination_frame_, dx, m, destination_w, pickers_h);
  SetBounds(destination_.drives, dx + m, inner_y, destination_w - 2 * m, s(300));
  SetBounds(destination_.folders, dx + m, lists_y, destination_w - 2 * m, lists_h);

  int paths_y = m + pickers_h + m, caption_w = s(130);
  SetBounds(source_caption_, m, paths_y + s(4), caption_w, row);
  SetBounds(source_box_, m + caption_w, paths_y, left_w - caption_w, row);
  SetBounds(destination_caption_, m, paths_y + row + s(6) + s(4), caption_w, row);
  SetBounds(destination_box_, m + caption_w, paths_y + row + s(6), left_w - caption_w, row);

  int bottom_y = paths_y + paths_h + m, message_w = left_w - button_w - m;
  SetBounds(message_frame_, m, bottom_y, message_w, bottom_h);
  SetBounds(status_label_, 2 * m, bottom_y + caption, message_w - 2 * m, bottom_h - caption - m);
  int buttons_x = 2 * m + message_w;
  SetBounds(run_button_, buttons_x, bottom_y + s(6), button_w, button_h);
  SetBounds(quit_button_, buttons_x, bottom_y + s(12) + button_h, button_w, button_h);
  SetBounds(patdat_button_, buttons_x, bottom_y + bottom_h - button_h, button_w, button_h);
}

void MainWindow::FillDrives(Pickers& side) {
  for (const DriveEntry& entry : DriveEntries(form_.env().drives())) {
    auto index =
        SendMessageW(side.drives, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(W(entry.text)));
    SendMessageW(side.drives, CB_SETITEMDATA, static_cast<WPARAM>(index), entry.letter);
  }
}

// Selects letter in a drive list without telling anyone.
static void SelectDrive(HWND drives, char16_t letter) {
  auto count = SendMessageW(drives, CB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    if (SendMessageW(drives, CB_GETITEMDATA, static_cast<WPARAM>(i), 0) == letter) {
      SendMessageW(drives, CB_SETCURSEL, static_cast<WPARAM>(i), 0);
    }
  }
}

void MainWindow::OpenStartFolder() {
  std::optional<std::u16string> start = form_.StartFolder();
  if (!start) return;
  OpenFolder(source_, *start);
  OpenFolder(destination_, *start);
  SetText(source_box_, u"");
  SetText(destination_box_, u"");
}

// Fills a folder list; false, keeping the former folder, when path names
// no folder.
bool MainWindow::OpenFolder(Pickers& side, const std::u16string& path) {
  if (!IsFolder(form_.env(), path)) return false;
  FolderListing listing = ListFolder(form_.env(), path);
  SendMessageW(side.folders, WM_SETREDRAW, FALSE, 0);
  SendMessageW(side.folders, LB_RESETCONTENT, 0, 0);
  side.folder_paths.clear();
  for (const FolderEntry& entry : listing.entries) {
    SendMessageW(side.folders, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(W(entry.text)));
    side.folder_paths.push_back(entry.path);
  }
  SendMessageW(side.folders, LB_SETCURSEL, listing.open_index, 0);
  SendMessageW(side.folders, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(side.folders, nullptr, TRUE);
  side.path = path;
  SelectDrive(side.drives, UpperDriveLetter(path[0]));
  OnFolderOpened(side);
  return true;
}

void MainWindow::OnFolderOpened(Pickers& side) {
  form_.FolderOpened(side.path);
  if (&side == &source_) {
    SendMessageW(source_files_, LB_RESETCONTENT, 0, 0);
    for (const std::u16string& name : ListFiles(form_.env(), side.path)) {
      SendMessageW(source_files_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(W(name)));
    }
    SetText(source_box_, side.path);
  } else {
    SetText(destination_box_, side.path);
  }
}

void MainWindow::OnCommand(int id, int code) {
  switch (id) {
    case kSourceDrives:
    case kDestinationDrives:
      if (code == CBN_SELCHANGE) OnDriveChanged(id == kSourceDrives ? source_ : destination_);
      break;
    case kSourceFolders:
    case kDestinationFolders:
      if (code == LBN_DBLCLK) OnFolderActivated(id == kSourceFolders ? source_ : destination_);
      break;
    case kSourceFiles:
      if (code == LBN_SELCHANGE) OnFileClicked();
      break;
    case kRunButton:
      if (code == BN_CLICKED) OnRun();
      break;
    case kQuitButton:
      if (code == BN_CLICKED) PostMessageW(window_, WM_CLOSE, 0, 0);
      break;
    case kPatdatButton:
      if (code == BN_CLICKED) OnChangePatdat();
      break;
    case IDOK:  // Enter: opens the folder of a focused folder list
      if (GetFocus() == source_.folders) OnFolderActivated(source_);
      if (GetFocus() == destination_.folders) OnFolderActivated(destination_);
      break;
  }
}

// A drive that is not ready is ignored without a message: the drive list
// goes back to the folder list's drive and both keep their state.
void MainWindow::OnDriveChanged(Pickers& side) {
  auto index = SendMessageW(side.drives, CB_GETCURSEL, 0, 0);
  if (index < 0) return;
  auto letter = static_cast<char16_t>(
      SendMessageW(side.drives, CB_GETITEMDATA, static_cast<WPARAM>(index), 0));
  std::optional<std::u16string> folder = form_.FolderForDrive(letter);
  if (!folder || !OpenFolder(side, *folder)) {
    if (!side.path.empty()) SelectDrive(side.drives, UpperDriveLetter(side.path[0]));
    return;
  }
  form_.env().SetCurrentDrive(letter);
}

void MainWindow::OnFolderActivated(Pickers& side) {
  auto index = SendMessageW(side.folders, LB_GETCURSEL, 0, 0);
  if (index < 0 || static_cast<std::size_t>(index) >= side.folder_paths.size()) return;
  OpenFolder(side, side.folder_paths[static_cast<std::size_t>(index)]);
}

void MainWindow::OnFileClicked() {
  auto index = SendMessageW(source_files_, LB_GETCURSEL, 0, 0);
  if (index < 0) return;
  auto length = SendMessageW(source_files_, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
  std::wstring name(static_cast<std::size_t>(length) + 1, L'\0');
  SendMessageW(source_files_, LB_GETTEXT, static_cast<WPARAM>(index),
               reinterpret_cast<LPARAM>(name.data()));
  SetText(source_box_, ConverterForm::ClickedFileText(source_.path, U(name.c_str())));
}

// The controls, not the window itself: the run's message boxes are owned
// by the window and would be disabled with it.
void MainWindow::EnableControls(bool enabled) {
  for (int id : kControlIds) EnableWindow(GetDlgItem(window_, id), enabled ? TRUE : FALSE);
}

// The run works on a thread of its own; the window keeps painting and its
// controls are disabled until the run ends.
void MainWindow::OnRun() {
  if (form_.running()) return;
  run_ui_ = std::make_unique<Win32RunUi>(status_label_, destination_box_, prompter_);
  EnableControls(false);
  form_.StartRun(WindowText(source_box_), WindowText(destination_box_), *run_ui_, thread_,
                 [this] { OnRunEnded(); });
}

void MainWindow::OnRunEnded() {
  RunOutcome outcome = form_.FinishRun();
  bool focus_destination = run_ui_->destination_focus_requested();
  run_ui_.reset();
  ShowPointer(false);
  EnableControls(true);
  // A disabled box refuses the focus the run asked for; give it now.
  if (focus_destination) {
    SetFocus(destination_box_);
    SendMessageW(destination_box_, EM_SETSEL, 0, -1);
  }
  SetText(status_label_, outcome.status);
  picture_.Refresh();
  if (!outcome.picture_problem.empty()) {
    prompter_.Ask(outcome.picture_problem, MessageStyle::kError, u"");
  }
  if (close_pending_) DestroyWindow(window_);
}

void MainWindow::OnChangePatdat() {
  if (form_.ChangePatdat(prompter_, [this] { return PickFolder(window_); })) {
    SetText(status_label_, PatdatChangedText(form_.patdat_path()));
  }
}

bool MainWindow::OnSetCursor() {
  if (run_ui_ == nullptr || !run_ui_->busy()) return false;
  ShowPointer(true);
  return true;
}

bool MainWindow::PreTranslate(const MSG& message) {
  if (message.message != WM_KEYDOWN || message.wParam != VK_F1) return false;
  if (GetAncestor(message.hwnd, GA_ROOT) != window_) return false;
  RequestHelp(
      1, form_.env(), help_,
      [this](const std::filesystem::path& file) { return OpenWithShell(window_, file); },
      prompter_);
  return true;
}

}  // namespace bc::win32

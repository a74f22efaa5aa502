// The converter's native window: the same controls and texts as the Qt
// window, its decisions the model's.
#ifndef BORINGCONV_WIN32_WINDOW_MAIN_WINDOW_H_
#define BORINGCONV_WIN32_WINDOW_MAIN_WINDOW_H_

#include <windows.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "win32_window/picture_view.h"
#include "win32_window/win32_prompter.h"
#include "win32_window/win32_run_ui.h"
#include "window_model/converter_form.h"
#include "window_model/help_request.h"
#include "window_model/start_up.h"

namespace bc::win32 {

class MainWindow {
 public:
  MainWindow(StartedWindow started, std::filesystem::path system_folder, Win32Prompter& prompter);
  ~MainWindow();
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  // Creates and shows the window; false when Windows refused.
  bool Create(int show);
  HWND window() const { return window_; }
  // Keys the window handles before the dialog manager: F1.
  bool PreTranslate(const MSG& message);

 private:
  // One side's pickers: the drive list, the folder list and the paths its
  // entries open.
  struct Pickers {
    HWND drives = nullptr;
    HWND folders = nullptr;
    std::vector<std::u16string> folder_paths;
    std::u16string path;  // the open folder
  };

  static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT Handle(UINT message, WPARAM wparam, LPARAM lparam);
  void BuildControls();
  HWND Add(const wchar_t* type, const std::u16string& text, DWORD style, int id, DWORD ex = 0);
  void ApplyFont();
  void LayOut();
  void FillDrives(Pickers& side);
  void OpenStartFolder();
  bool OpenFolder(Pickers& side, const std::u16string& path);
  void OnFolderOpened(Pickers& side);
  void OnCommand(int id, int code);
  void OnDriveChanged(Pickers& side);
  void OnFolderActivated(Pickers& side);
  void OnFileClicked();
  void OnRun();
  void OnRunEnded();
  void OnChangePatdat();
  void EnableControls(bool enabled);
  bool OnSetCursor();

  ConverterForm form_;
  Win32Prompter& prompter_;
  HelpFiles help_;
  Win32WindowThread thread_;
  std::unique_ptr<Win32RunUi> run_ui_;  // of the run under way
  bool close_pending_ = false;

  HWND window_ = nullptr;
  UINT dpi_ = 96;
  HFONT font_ = nullptr;
  Pickers source_;
  Pickers destination_;
  HWND source_files_ = nullptr;
  HWND source_box_ = nullptr;
  HWND destination_box_ = nullptr;
  HWND run_button_ = nullptr;
  HWND quit_button_ = nullptr;
  HWND patdat_button_ = nullptr;
  HWND status_label_ = nullptr;
  HWND source_frame_ = nullptr;
  HWND destination_frame_ = nullptr;
  HWND message_frame_ = nullptr;
  HWND source_caption_ = nullptr;
  HWND destination_caption_ = nullptr;
  PictureView picture_;
  HWND picture_window_ = nullptr;
};

}  // namespace bc::win32

#endif  // BORINGCONV_WIN32_WINDOW_MAIN_WINDOW_H_

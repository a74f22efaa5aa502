// The converter's window without its toolkit: what the pickers open, what a
// click or a typed path changes, the run on a worker thread, the status text
// and the picture of the last run, and changing the pattern-data folder.
// Each window keeps only its controls and passes their events here.
#ifndef BORINGCONV_WINDOW_MODEL_CONVERTER_FORM_H_
#define BORINGCONV_WINDOW_MODEL_CONVERTER_FORM_H_

#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <thread>

#include "environment/environment.h"
#include "picture/boring_profile.h"
#include "run/run_ui.h"
#include "window_model/patdat_choice.h"
#include "window_model/prompter.h"
#include "window_model/window_thread.h"

namespace bc {

class CarriedRunUi;
class FreshPictureFiles;

// The window's caption: the two data formats of the conversion.
inline constexpr char16_t kWindowCaption[] = u"ボーリング記録ファイル → 柱状図作図データ 変換";
// The picture's text before any run, and after a run that failed.
inline constexpr char16_t kPicturePlaceholder[] = u"変換が終わると、ここに柱状図を表示します。";
inline constexpr char16_t kChangePatdatText[] = u"PATDAT の変更…";

// What a run leaves in the window once it has ended.
struct RunOutcome {
  bool ok = false;
  std::u16string status;           // the status label's text from now on
  std::u16string picture_problem;  // an error to show: the picture could not be read
};

class ConverterForm {
 public:
  ConverterForm(Environment env, std::u16string patdat_path);
  // Waits for a run still under way: the window must have answered its
  // questions first (its thread is the one they wait for).
  ~ConverterForm();
  ConverterForm(const ConverterForm&) = delete;
  ConverterForm& operator=(const ConverterForm&) = delete;

  Environment& env() { return env_; }
  const Environment& env() const { return env_; }
  const std::u16string& patdat_path() const { return patdat_path_; }
  // Where PatdatV5.ini is written when the user changes the folder.
  void SetSystemFolder(std::filesystem::path folder) { system_folder_ = std::move(folder); }

  // The folder both pickers open at first: the process's current folder, or
  // the first ready drive's root when that lies on no drive.
  std::optional<std::u16string> StartFolder();
  // The folder to open when the user picks drive letter: the one last
  // opened there, else its root. Nothing when the drive is not ready: the
  // drive list then goes back to the folder list's drive.
  std::optional<std::u16string> FolderForDrive(char16_t letter) const;
  // A picker opened path: relative names start there from now on.
  void FolderOpened(const std::u16string& path);
  // The source box's text after a click on a file of folder.
  static std::u16string ClickedFileText(const std::u16string& folder, const std::u16string& name);

  // Starts a run of the two boxes' texts on a worker thread. view shows
  // the run and is called on the window's thread only; ended is posted
  // there when the run is over, and the window then calls FinishRun.
  // False while another run is under way.
  bool StartRun(std::u16string source_text, std::u16string destination_text, RunUi& view,
                WindowThread& thread, std::function<void()> ended);
  RunOutcome FinishRun();
  // True from StartRun until FinishRun.
  bool running() const { return running_; }

  // True while the success text waits for the mouse to cross the picture.
  bool success_shown() const { return success_shown_; }
  // The mouse moved over the picture: true when the status label must now
  // be cleared (once, after a success).
  bool PictureMouseMoved();

  // The picture of the last run that succeeded; empty before one and after
  // a run that failed.
  const BoringProfile& picture() const { return picture_; }
  // The folder of that run: save dialogs start there.
  const std::u16string& picture_folder() const { return picture_folder_; }

  // The user asked to change the pattern-data folder: the first start's
  // picker, and the choice saved. True when the folder changed.
  bool ChangePatdat(Prompter& prompter, const FolderPicker& picker);

 private:
  Environment env_;
  std::u16string patdat_path_;
  std::filesystem::path system_folder_;
  // The last folder opened on each drive.
  std::map<char16_t, std::u16string> drive_folders_;

  bool running_ = false;
  bool success_shown_ = false;
  std::thread worker_;
  bool worker_ok_ = false;
  std::unique_ptr<CarriedRunUi> carried_;
  std::filesystem::path output_folder_;  // of the run under way
  std::unique_ptr<FreshPictureFiles> picture_files_;

  BoringProfile picture_;
  std::u16string picture_folder_;
};

// The status text after the user changed the pattern-data folder.
inline std::u16string PatdatChangedText(const std::u16string& folder) {
  return u"PATDAT を「" + folder + u"」に変更しました。";
}

// A file name for the picture of a boring: its name with the characters a
// file name cannot hold replaced, "boring" when it has none.
std::u16string PictureFileStem(const BoringProfile& profile);

}  // namespace bc

#endif  // BORINGCONV_WINDOW_MODEL_CONVERTER_FORM_H_

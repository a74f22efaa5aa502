// Form1, the converter's only window: source and destination pickers, the
// two path boxes, the run and end buttons, the status label and the preview.
#ifndef BORINGCONV_WINDOW_FORM1_H_
#define BORINGCONV_WINDOW_FORM1_H_

#include <QWidget>
#include <cstdint>
#include <filesystem>
#include <map>
#include <string>

#include "environment/environment.h"
#include "window/help_viewer.h"
#include "window/message_box.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace bc {

class BoringPreview;
class FreshPictureFiles;
class DriveList;
class FileList;
class FolderList;

// The window's caption: the two data formats of the conversion.
inline constexpr char16_t kWindowCaption[] = u"ボーリング記録ファイル → 柱状図作図データ 変換";

class Form1 : public QWidget {
  Q_OBJECT

 public:
  Form1(Environment env, std::u16string patdat_path, std::u16string help_file_path,
        QWidget* parent = nullptr);

  MessageBoxes& message_boxes() { return boxes_; }
  HelpViewer& help_viewer() { return help_; }
  Environment& env() { return env_; }
  std::int16_t status_shown() const { return status_shown_; }
  const std::u16string& patdat_path() const { return patdat_path_; }

  // Hands a help number to ShowHelp. F1 asks for context 1.
  void HelpRequest(std::int16_t context);

  // The event handlers, named after the control and its event.
  void Drive1_Change();
  void Drive2_Change();
  void Dir1_Change();
  void Dir2_Change();
  void File1_Click(const std::u16string& name);
  void Command1_Click();
  void Command2_Click();
  void Picture1_MouseMove();

 private:
  void BuildControls();
  void LayOut();
  void Connect();
  void CentreOnScreen();
  void OpenStartFolder();
  void ChangeDrive(DriveList* drives, FolderList* folders);
  void SetCurrentFolder(const std::u16string& path);
  void ShowPreview(const FreshPictureFiles& files, const std::filesystem::path& folder);

  Environment env_;
  std::u16string patdat_path_;
  MessageBoxes boxes_;
  HelpViewer help_;
  std::int16_t status_shown_ = 0;
  bool running_ = false;
  // The last folder opened on each drive, as the process's current folder
  // of that drive.
  std::map<char16_t, std::u16string> drive_folders_;

  BoringPreview* picture1_ = nullptr;
  QGroupBox* frame1_ = nullptr;
  QGroupBox* frame2_ = nullptr;
  QGroupBox* frame3_ = nullptr;
  QLabel* label1_ = nullptr;
  QLabel* label2_ = nullptr;
  QLabel* label3_ = nullptr;
  QLineEdit* text1_ = nullptr;
  QLineEdit* text2_ = nullptr;
  QPushButton* command1_ = nullptr;
  QPushButton* command2_ = nullptr;
  DriveList* drive1_ = nullptr;
  DriveList* drive2_ = nullptr;
  FolderList* dir1_ = nullptr;
  FolderList* dir2_ = nullptr;
  FileList* file1_ = nullptr;
};

}  // namespace bc

#endif  // BORINGCONV_WINDOW_FORM1_H_

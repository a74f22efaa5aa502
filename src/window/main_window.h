// The converter's only window: source and destination pickers, the two path
// boxes, the run and quit buttons, the status label and the picture.
#ifndef BORINGCONV_WINDOW_MAIN_WINDOW_H_
#define BORINGCONV_WINDOW_MAIN_WINDOW_H_

#include <QWidget>
#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <string>

#include "environment/environment.h"
#include "window/help_viewer.h"
#include "window/message_box.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QThread;

namespace bc {

class BoringPreview;
class FreshPictureFiles;
class DriveList;
class FileList;
class FolderList;
class WindowRunUi;

// The window's caption: the two data formats of the conversion.
inline constexpr char16_t kWindowCaption[] = u"ボーリング記録ファイル → 柱状図作図データ 変換";

class MainWindow : public QWidget {
  Q_OBJECT

 public:
  MainWindow(Environment env, std::u16string patdat_path, std::u16string help_file_path,
             QWidget* parent = nullptr);
  ~MainWindow() override;

  MessageBoxes& message_boxes() { return boxes_; }
  HelpViewer& help_viewer() { return help_; }
  Environment& env() { return env_; }
  const std::u16string& patdat_path() const { return patdat_path_; }
  // True while the success text waits for the mouse to cross the picture.
  bool success_shown() const { return success_shown_; }
  // True from the run button's click until the conversion has ended.
  bool running() const { return running_; }

  // Hands a help number to ShowHelp. F1 asks for context 1.
  void HelpRequest(std::int16_t context);

  void OnSourceDriveChanged();
  void OnDestinationDriveChanged();
  void OnSourceFolderChanged();
  void OnDestinationFolderChanged();
  void OnSourceFileClicked(const std::u16string& name);
  void OnRunClicked();
  void OnQuitClicked();
  void OnPictureMouseMove();

 signals:
  // The conversion started by the run button has ended; ok as RunConversion.
  void conversionFinished(bool ok);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildControls();
  void LayOut();
  void Connect();
  void CentreOnScreen();
  void OpenStartFolder();
  void ChangeDrive(DriveList* drives, FolderList* folders);
  void SetWorkingFolder(const std::u16string& path);
  void SetControlsEnabled(bool enabled);
  void OnConversionEnded(bool ok);
  void ShowPicture();

  Environment env_;
  std::u16string patdat_path_;
  MessageBoxes boxes_;
  HelpViewer help_;
  bool success_shown_ = false;
  bool running_ = false;
  // The last folder opened on each drive.
  std::map<char16_t, std::u16string> drive_folders_;

  // The run in progress: its worker, its UI and the outputs it may replace.
  QThread* worker_ = nullptr;
  std::unique_ptr<WindowRunUi> run_ui_;
  std::filesystem::path output_folder_;  // of the run under way
  std::unique_ptr<FreshPictureFiles> picture_files_;

  BoringPreview* picture_ = nullptr;
  QGroupBox* source_frame_ = nullptr;
  QGroupBox* destination_frame_ = nullptr;
  QGroupBox* message_frame_ = nullptr;
  QLabel* source_caption_ = nullptr;
  QLabel* destination_caption_ = nullptr;
  QLabel* status_label_ = nullptr;
  QLineEdit* source_box_ = nullptr;
  QLineEdit* destination_box_ = nullptr;
  QPushButton* run_button_ = nullptr;
  QPushButton* quit_button_ = nullptr;
  DriveList* source_drives_ = nullptr;
  DriveList* destination_drives_ = nullptr;
  FolderList* source_folders_ = nullptr;
  FolderList* destination_folders_ = nullptr;
  FileList* source_files_ = nullptr;
};

}  // namespace bc

#endif  // BORINGCONV_WINDOW_MAIN_WINDOW_H_

// The converter's only window: source and destination pickers, the two path
// boxes, the run and quit buttons, the status label and the picture.
#ifndef BORINGCONV_WINDOW_MAIN_WINDOW_H_
#define BORINGCONV_WINDOW_MAIN_WINDOW_H_

#include <QWidget>
#include <cstdint>
#include <memory>
#include <string>

#include "environment/environment.h"
#include "window/help_viewer.h"
#include "window/message_box.h"
#include "window/window_run_ui.h"
#include "window_model/converter_form.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace bc {

class BoringPreview;
class DriveList;
class FileList;
class FolderList;

class MainWindow : public QWidget {
  Q_OBJECT

 public:
  MainWindow(Environment env, std::u16string patdat_path, std::u16string help_file_path,
             QWidget* parent = nullptr);
  ~MainWindow() override;

  MessageBoxes& message_boxes() { return boxes_; }
  HelpViewer& help_viewer() { return help_; }
  Environment& env() { return form_.env(); }
  const std::u16string& patdat_path() const { return form_.patdat_path(); }
  // True while the success text waits for the mouse to cross the picture.
  bool success_shown() const { return form_.success_shown(); }
  // True from the run button's click until the conversion has ended.
  bool running() const { return form_.running(); }
  // Where a changed pattern-data folder is remembered, and how it is picked.
  void SetSystemFolder(std::filesystem::path folder) { form_.SetSystemFolder(std::move(folder)); }
  void SetFolderPicker(FolderPicker picker) { pick_folder_ = std::move(picker); }

  // Hands a help number to ShowHelp. F1 asks for context 1.
  void HelpRequest(std::int16_t context);

  void OnSourceDriveChanged();
  void OnDestinationDriveChanged();
  void OnSourceFolderChanged();
  void OnDestinationFolderChanged();
  void OnSourceFileClicked(const std::u16string& name);
  void OnRunClicked();
  void OnQuitClicked();
  void OnChangePatdatClicked();
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
  void SetControlsEnabled(bool enabled);
  void OnConversionEnded();

  ConverterForm form_;
  MessageBoxes boxes_;
  HelpViewer help_;
  FolderPicker pick_folder_;
  QtWindowThread thread_{this};
  std::unique_ptr<WindowRunUi> run_ui_;  // of the run under way

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
  QPushButton* patdat_button_ = nullptr;
  DriveList* source_drives_ = nullptr;
  DriveList* destination_drives_ = nullptr;
  FolderList* source_folders_ = nullptr;
  FolderList* destination_folders_ = nullptr;
  FileList* source_files_ = nullptr;
};

}  // namespace bc

#endif  // BORINGCONV_WINDOW_MAIN_WINDOW_H_

#include "window/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QVBoxLayout>
#include <optional>

#include "window/boring_preview.h"
#include "window/drive_list.h"
#include "window/file_list.h"
#include "window/folder_list.h"
#include "window/patdat_choice.h"

namespace bc {
namespace {

QString Q(std::u16string_view text) { return QString::fromStdU16String(std::u16string(text)); }

template <typename T>
T* Named(T* widget, const char* name) {
  widget->setObjectName(QString::fromLatin1(name));
  return widget;
}

}  // namespace

MainWindow::MainWindow(Environment env, std::u16string patdat_path, std::u16string help_file_path,
                       QWidget* parent)
    : QWidget(parent),
      form_(std::move(env), std::move(patdat_path)),
      help_(form_.env(), boxes_),
      pick_folder_(&PickFolderWithDialog) {
  setObjectName(QStringLiteral("mainWindow"));
  setWindowTitle(Q(kWindowCaption));
  help_.SetHelpFilePath(std::move(help_file_path));
  BuildControls();
  LayOut();
  Connect();
  OpenStartFolder();
  resize(960, 660);
  CentreOnScreen();
}

// A window torn down mid-run (the application quitting) waits for the
// worker, letting it finish the questions it is blocked on.
MainWindow::~MainWindow() {
  while (form_.running()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

void MainWindow::BuildControls() {
  picture_ = Named(new BoringPreview(this), "picture");
  message_frame_ = Named(new QGroupBox(Q(u"メッセージ"), this), "messageFrame");
  status_label_ = Named(new QLabel(message_frame_), "statusLabel");
  destination_box_ = Named(new QLineEdit(this), "destinationBox");
  source_box_ = Named(new QLineEdit(this), "sourceBox");
  quit_button_ = Named(new QPushButton(Q(u"終  了"), this), "quitButton");
  run_button_ = Named(new QPushButton(Q(u"実  行"), this), "runButton");
  destination_frame_ = Named(new QGroupBox(Q(u"変換先ﾌｫﾙﾀﾞ名選択"), this), "destinationFrame");
  patdat_button_ = Named(new QPushButton(Q(kChangePatdatText), this), "patdatButton");
  const Environment& env = form_.env();
  destination_drives_ = Named(new DriveList(env.drives(), destination_frame_), "destinationDrives");
  destination_folders_ = Named(new FolderList(env, destination_frame_), "destinationFolders");
  source_frame_ = Named(new QGroupBox(Q(u"変換元ファイル名選択"), this), "sourceFrame");
  source_files_ = Named(new FileList(env, source_frame_), "sourceFiles");
  source_drives_ = Named(new DriveList(env.drives(), source_frame_), "sourceDrives");
  source_folders_ = Named(new FolderList(env, source_frame_), "sourceFolders");
  destination_caption_ = Named(new QLabel(Q(u"変換先ﾌｫﾙﾀﾞ名 ："), this), "destinationCaption");
  source_caption_ = Named(new QLabel(Q(u"変換元ファイル名："), this), "sourceCaption");

  status_label_->setWordWrap(true);
  status_label_->setMinimumHeight(40);
  run_button_->setDefault(true);
  run_button_->setMinimumWidth(110);
  quit_button_->setMinimumWidth(110);
}

void MainWindow::LayOut() {
  auto* source = new QGridLayout(source_frame_);
  source->addWidget(source_drives_, 0, 0, 1, 2);
  source->addWidget(source_folders_, 1, 0);
  source->addWidget(source_files_, 1, 1);

  auto* destination = new QVBoxLayout(destination_frame_);
  destination->addWidget(destination_drives_);
  destination->addWidget(destination_folders_);

  auto* message = new QVBoxLayout(message_frame_);
  message->addWidget(status_label_);

  auto* pickers = new QHBoxLayout;
  pickers->addWidget(source_frame_, 3);
  pickers->addWidget(destination_frame_, 2);

  auto* paths = new QGridLayout;
  paths->addWidget(source_caption_, 0, 0);
  paths->addWidget(source_box_, 0, 1);
  paths->addWidget(destination_caption_, 1, 0);
  paths->addWidget(destination_box_, 1, 1);

  auto* buttons = new QVBoxLayout;
  buttons->addWidget(run_button_);
  buttons->addWidget(quit_button_);
  buttons->addStretch();
  buttons->addWidget(patdat_button_);

  auto* bottom = new QHBoxLayout;
  bottom->addWidget(message_frame_, 1);
  bottom->addLayout(buttons);

  auto* left = new QVBoxLayout;
  left->addLayout(pickers, 1);
  left->addLayout(paths);
  left->addLayout(bottom);

  auto* whole = new QHBoxLayout(this);
  whole->addLayout(left, 5);
  whole->addWidget(picture_, 3);
}

void MainWindow::Connect() {
  connect(source_drives_, &DriveList::driveChanged, this, [this] { OnSourceDriveChanged(); });
  connect(destination_drives_, &DriveList::driveChanged, this,
          [this] { OnDestinationDriveChanged(); });
  connect(source_folders_, &FolderList::pathChanged, this, [this] { OnSourceFolderChanged(); });
  connect(destination_folders_, &FolderList::pathChanged, this,
          [this] { OnDestinationFolderChanged(); });
  connect(source_files_, &FileList::fileClicked, this, &MainWindow::OnSourceFileClicked);
  connect(run_button_, &QPushButton::clicked, this, &MainWindow::OnRunClicked);
  connect(quit_button_, &QPushButton::clicked, this, &MainWindow::OnQuitClicked);
  connect(patdat_button_, &QPushButton::clicked, this, &MainWindow::OnChangePatdatClicked);
  connect(picture_, &BoringPreview::mouseMoved, this, &MainWindow::OnPictureMouseMove);
  connect(picture_, &BoringPreview::saveFailed, this, [this](const std::u16string& message) {
    boxes_.Show(this, message, MessageStyle::kError, u"");
  });
  auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
  connect(f1, &QShortcut::activated, this, [this] { HelpRequest(1); });
}

void MainWindow::CentreOnScreen() {
  QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  QRect area = screen->geometry();
  move(area.left() + (area.width() - width()) / 2, area.top() + (area.height() - height()) / 2);
}

void MainWindow::OpenStartFolder() {
  std::optional<std::u16string> start = form_.StartFolder();
  if (!start) return;
  char16_t letter = UpperDriveLetter((*start)[0]);
  source_drives_->SelectQuietly(letter);
  destination_drives_->SelectQuietly(letter);
  QSignalBlocker block_source(source_folders_);
  QSignalBlocker block_destination(destination_folders_);
  source_folders_->SetPath(*start);
  destination_folders_->SetPath(*start);
  source_files_->SetPath(*start);
}

void MainWindow::HelpRequest(std::int16_t context) { help_.ShowHelp(this, context); }

void MainWindow::OnSourceDriveChanged() { ChangeDrive(source_drives_, source_folders_); }

void MainWindow::OnDestinationDriveChanged() {
  ChangeDrive(destination_drives_, destination_folders_);
}

// A drive that is not ready is ignored without a message: the drive list
// goes back to the folder list's drive and both keep their state.
void MainWindow::ChangeDrive(DriveList* drives, FolderList* folders) {
  std::optional<std::u16string> folder = form_.FolderForDrive(drives->Drive());
  if (!folder || !folders->SetPath(*folder)) {
    if (!folders->Path().empty()) drives->SelectQuietly(UpperDriveLetter(folders->Path()[0]));
    return;
  }
  form_.env().SetCurrentDrive(drives->Drive());
}

void MainWindow::OnSourceFolderChanged() {
  source_files_->SetPath(source_folders_->Path());
  source_box_->setText(Q(source_folders_->Path()));
  form_.FolderOpened(source_folders_->Path());
}

void MainWindow::OnDestinationFolderChanged() {
  destination_box_->setText(Q(destination_folders_->Path()));
  form_.FolderOpened(destination_folders_->Path());
}

void MainWindow::OnSourceFileClicked(const std::u16string& name) {
  source_box_->setText(Q(ConverterForm::ClickedFileText(source_folders_->Path(), name)));
}

// The controls, not the window itself: the run's message boxes are children
// of the window and would be disabled with it.
void MainWindow::SetControlsEnabled(bool enabled) {
  for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (!child->isWindow()) child->setEnabled(enabled);
  }
}

// The run works on a thread of its own; the window stays painted and its
// controls are disabled until the run ends, so no second run and no picker
// change can reach the environment meanwhile.
void MainWindow::OnRunClicked() {
  if (form_.running()) return;
  run_ui_ = std::make_unique<WindowRunUi>(this, status_label_, destination_box_, boxes_);
  SetControlsEnabled(false);
  form_.StartRun(source_box_->text().toStdU16String(), destination_box_->text().toStdU16String(),
                 *run_ui_, thread_, [this] { OnConversionEnded(); });
}

void MainWindow::OnConversionEnded() {
  RunOutcome outcome = form_.FinishRun();
  bool focus_destination = run_ui_->destination_focus_requested();
  run_ui_.reset();  // restores the pointer of a run that stopped busy
  SetControlsEnabled(true);
  // A disabled box refuses the focus the run asked for; give it now.
  if (focus_destination) {
    destination_box_->setFocus();
    destination_box_->selectAll();
  }
  status_label_->setText(Q(outcome.status));
  picture_->SetProfile(form_.picture(), Q(form_.picture_folder()));
  if (!outcome.picture_problem.empty()) {
    boxes_.Show(this, outcome.picture_problem, MessageStyle::kError, u"");
  }
  emit conversionFinished(outcome.ok);
}

// Closing mid-run would pull the environment from under the worker.
void MainWindow::closeEvent(QCloseEvent* event) {
  if (form_.running()) {
    event->ignore();
    return;
  }
  QWidget::closeEvent(event);
}

void MainWindow::OnQuitClicked() { close(); }

void MainWindow::OnChangePatdatClicked() {
  boxes_.OverParent(this, [this] {
    if (form_.ChangePatdat(boxes_, pick_folder_)) {
      status_label_->setText(Q(PatdatChangedText(form_.patdat_path())));
    }
  });
}

void MainWindow::OnPictureMouseMove() {
  if (form_.PictureMouseMoved()) status_label_->setText(QString());
}

}  // namespace bc

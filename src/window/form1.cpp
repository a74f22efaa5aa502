#include "window/form1.h"

#include <QApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QVBoxLayout>
#include <exception>
#include <optional>
#include <system_error>

#include "conversion/conversion.h"
#include "picture/boring_profile.h"
#include "run/run_error.h"
#include "text/utf8.h"
#include "window/boring_preview.h"
#include "window/drive_list.h"
#include "window/drive_path.h"
#include "window/file_list.h"
#include "window/folder_list.h"
#include "window/window_run_ui.h"

namespace bc {
namespace {

QString Q(std::u16string_view text) { return QString::fromStdU16String(std::u16string(text)); }

template <typename T>
T* Named(T* widget, const char* name) {
  widget->setObjectName(QString::fromLatin1(name));
  return widget;
}

}  // namespace

Form1::Form1(Environment env, std::u16string patdat_path, std::u16string help_file_path,
             QWidget* parent)
    : QWidget(parent),
      env_(std::move(env)),
      patdat_path_(std::move(patdat_path)),
      help_(env_, boxes_) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(Q(kWindowCaption));
  help_.SetHelpFilePath(std::move(help_file_path));
  BuildControls();
  LayOut();
  Connect();
  OpenStartFolder();
  resize(960, 660);
  CentreOnScreen();
}

void Form1::BuildControls() {
  picture1_ = Named(new BoringPreview(this), "Picture1");
  frame3_ = Named(new QGroupBox(Q(u"メッセージ"), this), "Frame3");
  label3_ = Named(new QLabel(frame3_), "Label3");
  text2_ = Named(new QLineEdit(this), "Text2");
  text1_ = Named(new QLineEdit(this), "Text1");
  command2_ = Named(new QPushButton(Q(u"終  了"), this), "Command2");
  command1_ = Named(new QPushButton(Q(u"実  行"), this), "Command1");
  frame2_ = Named(new QGroupBox(Q(u"変換先ﾌｫﾙﾀﾞ名選択"), this), "Frame2");
  drive2_ = Named(new DriveList(env_.drives(), frame2_), "Drive2");
  dir2_ = Named(new FolderList(env_, frame2_), "Dir2");
  frame1_ = Named(new QGroupBox(Q(u"変換元ファイル名選択"), this), "Frame1");
  file1_ = Named(new FileList(env_, frame1_), "File1");
  drive1_ = Named(new DriveList(env_.drives(), frame1_), "Drive1");
  dir1_ = Named(new FolderList(env_, frame1_), "Dir1");
  label2_ = Named(new QLabel(Q(u"変換先ﾌｫﾙﾀﾞ名 ："), this), "Label2");
  label1_ = Named(new QLabel(Q(u"変換元ファイル名："), this), "Label1");

  label3_->setWordWrap(true);
  label3_->setMinimumHeight(40);
  command1_->setDefault(true);
  command1_->setMinimumWidth(110);
  command2_->setMinimumWidth(110);
}

void Form1::LayOut() {
  auto* source = new QGridLayout(frame1_);
  source->addWidget(drive1_, 0, 0, 1, 2);
  source->addWidget(dir1_, 1, 0);
  source->addWidget(file1_, 1, 1);

  auto* destination = new QVBoxLayout(frame2_);
  destination->addWidget(drive2_);
  destination->addWidget(dir2_);

  auto* message = new QVBoxLayout(frame3_);
  message->addWidget(label3_);

  auto* pickers = new QHBoxLayout;
  pickers->addWidget(frame1_, 3);
  pickers->addWidget(frame2_, 2);

  auto* paths = new QGridLayout;
  paths->addWidget(label1_, 0, 0);
  paths->addWidget(text1_, 0, 1);
  paths->addWidget(label2_, 1, 0);
  paths->addWidget(text2_, 1, 1);

  auto* buttons = new QVBoxLayout;
  buttons->addWidget(command1_);
  buttons->addWidget(command2_);
  buttons->addStretch();

  auto* bottom = new QHBoxLayout;
  bottom->addWidget(frame3_, 1);
  bottom->addLayout(buttons);

  auto* left = new QVBoxLayout;
  left->addLayout(pickers, 1);
  left->addLayout(paths);
  left->addLayout(bottom);

  auto* whole = new QHBoxLayout(this);
  whole->addLayout(left, 5);
  whole->addWidget(picture1_, 3);
}

void Form1::Connect() {
  connect(drive1_, &DriveList::driveChanged, this, [this] { Drive1_Change(); });
  connect(drive2_, &DriveList::driveChanged, this, [this] { Drive2_Change(); });
  connect(dir1_, &FolderList::pathChanged, this, [this] { Dir1_Change(); });
  connect(dir2_, &FolderList::pathChanged, this, [this] { Dir2_Change(); });
  connect(file1_, &FileList::fileClicked, this, &Form1::File1_Click);
  connect(command1_, &QPushButton::clicked, this, &Form1::Command1_Click);
  connect(command2_, &QPushButton::clicked, this, &Form1::Command2_Click);
  connect(picture1_, &BoringPreview::mouseMoved, this, &Form1::Picture1_MouseMove);
  connect(picture1_, &BoringPreview::saveFailed, this,
          [this](const std::u16string& message) { boxes_.Show(this, message, kStyleError, u""); });
  auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
  connect(f1, &QShortcut::activated, this, [this] { HelpRequest(1); });
}

void Form1::CentreOnScreen() {
  QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  QRect area = screen->geometry();
  move(area.left() + (area.width() - width()) / 2, area.top() + (area.height() - height()) / 2);
}

// The lists start at the process's current folder, or at the first ready
// drive when that lies on no drive. The path boxes stay empty.
void Form1::OpenStartFolder() {
  std::error_code ec;
  std::optional<std::u16string> start =
      env_.drives().ToDrivePath(std::filesystem::current_path(ec));
  if (ec || !start) {
    start.reset();
    for (char16_t letter : env_.drives().Letters()) {
      if (env_.drives().DriveReady(letter) == -1) {
        start = DriveRoot(letter);
        break;
      }
    }
  }
  if (!start) return;
  char16_t letter = UpperDriveLetter((*start)[0]);
  drive1_->SelectQuietly(letter);
  drive2_->SelectQuietly(letter);
  QSignalBlocker block1(dir1_);
  QSignalBlocker block2(dir2_);
  dir1_->SetPath(*start);
  dir2_->SetPath(*start);
  file1_->SetPath(*start);
  drive_folders_[letter] = *start;
  env_.SetCurrentDrive(letter);
}

void Form1::HelpRequest(std::int16_t context) { help_.ShowHelp(this, context); }

void Form1::Drive1_Change() { ChangeDrive(drive1_, dir1_); }

void Form1::Drive2_Change() { ChangeDrive(drive2_, dir2_); }

// A drive that is not ready is ignored without a message: the drive list
// goes back to the folder list's drive and both keep their state.
void Form1::ChangeDrive(DriveList* drives, FolderList* folders) {
  char16_t letter = drives->Drive();
  auto known = drive_folders_.find(letter);
  std::u16string folder = known != drive_folders_.end() ? known->second : DriveRoot(letter);
  bool opened = env_.drives().DriveReady(letter) == -1 &&
                (folders->SetPath(folder) || folders->SetPath(DriveRoot(letter)));
  if (!opened) {
    if (!folders->Path().empty()) drives->SelectQuietly(UpperDriveLetter(folders->Path()[0]));
    return;
  }
  env_.SetCurrentDrive(letter);
}

void Form1::Dir1_Change() {
  file1_->SetPath(dir1_->Path());
  text1_->setText(Q(dir1_->Path()));
  SetCurrentFolder(dir1_->Path());
}

void Form1::Dir2_Change() {
  text2_->setText(Q(dir2_->Path()));
  SetCurrentFolder(dir2_->Path());
}

void Form1::File1_Click(const std::u16string& name) {
  text1_->setText(Q(JoinFolderName(dir1_->Path(), name)));
}

void Form1::SetCurrentFolder(const std::u16string& path) {
  std::error_code ec;
  std::filesystem::current_path(env_.HostPath(path), ec);  // errors ignored
  if (path.empty()) return;
  drive_folders_[UpperDriveLetter(path[0])] = path;
  env_.SetCurrentDrive(path[0]);
}

void Form1::Command1_Click() {
  if (running_) return;
  running_ = true;
  RunRequest request{text1_->text().toStdU16String(), text2_->text().toStdU16String(),
                     patdat_path_};
  std::filesystem::path folder = env_.HostPath(request.destination_text + u"\\");
  FreshPictureFiles picture_files(folder);
  bool ok = false;
  {
    WindowRunUi ui(this, label3_, text2_, boxes_);
    try {
      ok = RunConversion(request, env_, ui);
    } catch (const RunError& error) {
      ui.SetStatus(u"");
      ui.ShowMessage(error.message(), kStyleError, u"");
    } catch (const std::exception& error) {
      // The run reports its own failures; anything else still must not end
      // the program with the user's work unexplained.
      ui.SetStatus(u"");
      ui.ShowMessage(FromUtf8(error.what()), kStyleError, u"");
    }
  }
  if (ok) {
    status_shown_ = 1;
    ShowPreview(picture_files, folder);
  }
  running_ = false;
}

// Only the files this run wrote: the title falls back to the folder's name.
void Form1::ShowPreview(const FreshPictureFiles& files, const std::filesystem::path& folder) {
  try {
    picture1_->SetProfile(ReadBoringProfile(files.Written(), FolderName(folder)),
                          Q(FromHostPath(folder)));
  } catch (const RunError& error) {
    picture1_->Clear();
    boxes_.Show(this, error.message(), kStyleError, u"");
  }
}

void Form1::Command2_Click() { close(); }

void Form1::Picture1_MouseMove() {
  if (status_shown_ != 1) return;
  label3_->setText(QString());
  status_shown_ = 0;
}

}  // namespace bc

// Makes the README's pictures of the window: the first start's search
// window, the offer to choose the pattern-data folder, and the window after
// converting the bundled sample. Run under a real (virtual) X server by
// scripts/screenshots.sh; the argument is the folder the pictures go to.
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <atomic>
#include <cstdio>
#include <filesystem>

#include "window/start_up.h"
#include "window_fixture.h"

namespace {

namespace fs = std::filesystem;
using bc::testing::WriteBytes;

const fs::path kSamples = fs::path(BORINGCONV_SOURCE_DIR) / "samples";

bool Save(QWidget* widget, const fs::path& file) {
  bool saved = widget->grab().save(QString::fromStdString(file.string()));
  std::fprintf(stderr, "%s %s\n", saved ? "saved" : "could not save", file.string().c_str());
  return saved;
}

// Answers the first start's dialogs as a user would, photographing two.
class FirstStartUser : public QObject {
 public:
  FirstStartUser(fs::path out, std::atomic<bool>& release)
      : out_(std::move(out)), release_(release) {
    connect(&poll_, &QTimer::timeout, this, [this] { Look(); });
    poll_.start(50);
  }
  bool ok() const { return search_shot_ && choose_shot_; }

 private:
  void Look() {
    QWidget* modal = QApplication::activeModalWidget();
    if (auto* search = qobject_cast<bc::PatdatSearchWindow*>(modal)) {
      if (search_shot_ || search->findChild<QLabel*>("searchedFolder")->text().isEmpty()) return;
      search_shot_ = Save(search, out_ / "first-start-search.png");
      search->findChild<QPushButton*>("cancelButton")->click();
      release_ = true;
    } else if (auto* box = qobject_cast<QMessageBox*>(modal)) {
      if (box->text() == QString::fromStdU16String(bc::kChooseNowQuestion)) {
        choose_shot_ = Save(box, out_ / "first-start-choose.png");
        box->button(QMessageBox::Yes)->click();
      } else if (box->button(QMessageBox::Ok) != nullptr) {
        box->button(QMessageBox::Ok)->click();
      }
    }
  }

  fs::path out_;
  std::atomic<bool>& release_;
  QTimer poll_;
  bool search_shot_ = false;
  bool choose_shot_ = false;
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: window_screenshots OUTPUT-FOLDER\n");
    return 2;
  }
  fs::path out = fs::absolute(argv[1]);
  fs::create_directories(out);
  QTemporaryDir scratch(QDir::tempPath() + QStringLiteral("/data-XXXXXX"));
  fs::path root = scratch.path().toStdString();

  // An empty settings folder but for a drive table over a small tree, so
  // that the search stays in it.
  bc::StartOptions options;
  options.settings_folder = root / "config";
  fs::path drive_c = root / "drive_c";
  fs::path drive_d = root / "drive_d";
  for (const char8_t* folder : {u8"現場データ", u8"現場データ/2024", u8"報告書", u8"work"})
    fs::create_directories(drive_c / folder);
  fs::create_directories(drive_d / u8"柱状図");
  // Z: would be the whole host otherwise.
  fs::create_directories(root / "drive_z");
  WriteBytes(options.settings_folder / "drives.ini",
             "C=" + drive_c.string() + "\nD=" + drive_d.string() +
                 "\nZ=" + (root / "drive_z").string() + "\n");
  fs::copy_file(kSamples / "boring.txt", drive_c / u8"現場データ" / "boring.txt");
  fs::copy(kSamples / "patdat", drive_c / "work" / "PATDAT-copy", fs::copy_options::recursive);
  fs::current_path(drive_c / u8"現場データ");

  std::atomic<bool> release{false};
  // Held in a folder below the root, so that the picture names one.
  options.search_step = [&release](std::u16string_view folder) {
    if (folder.size() <= 3) return;
    for (int i = 0; i < 5000 && !release; ++i) QThread::msleep(1);
  };
  options.pick_folder = [&] { return drive_c / "work" / "PATDAT-copy"; };
  bc::MessageBoxes boxes;
  std::unique_ptr<bc::MainWindow> window;
  {
    FirstStartUser user(out, release);
    window = bc::StartMainWindow(options, boxes);
    if (!window || !user.ok()) return 1;
  }

  window->show();
  window->activateWindow();
  window->findChild<QLineEdit*>("sourceBox")
      ->setText(QString::fromStdU16String(u"C:\\現場データ\\boring.txt"));
  window->findChild<QLineEdit*>("destinationBox")
      ->setText(QString::fromStdU16String(u"D:\\柱状図"));
  QSignalSpy finished(window.get(), &bc::MainWindow::conversionFinished);
  window->findChild<QPushButton*>("runButton")->click();
  if (!finished.wait(30000) || !finished.front().front().toBool()) return 1;
  QApplication::processEvents();
  return Save(window.get(), out / "window.png") ? 0 : 1;
}

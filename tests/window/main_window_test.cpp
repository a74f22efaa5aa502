// The window's controls and its picker events.
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "window/drive_list.h"
#include "window/file_list.h"
#include "window/folder_list.h"
#include "window/main_window.h"
#include "window_fixture.h"

namespace bc::testing {
namespace {

QString Q(const std::u16string& text) { return QString::fromStdU16String(text); }

template <typename T>
T* Control(QWidget& form, const char* name) {
  T* widget = form.findChild<T*>(QString::fromLatin1(name));
  if (widget == nullptr) qFatal("no control %s", name);
  return widget;
}

// Clicks (or double-clicks) the entry of a list whose text, trimmed, is text.
bool ClickEntry(QListWidget* list, const QString& text, bool twice) {
  for (int i = 0; i < list->count(); ++i) {
    QListWidgetItem* item = list->item(i);
    if (item->text().trimmed() != text) continue;
    list->scrollToItem(item);
    QPoint at = list->visualItemRect(item).center();
    if (twice) {
      // A double click is a click followed by the second press.
      QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, at);
      QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    } else {
      QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    }
    return true;
  }
  return false;
}

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void ControlsCarryTheirNamesAndCaptions() {
    WindowFixture fixture;
    auto form = fixture.MakeWindow();
    QCOMPARE(form->objectName(), QStringLiteral("mainWindow"));
    QVERIFY(!form->windowTitle().isEmpty());
    QCOMPARE(Control<QPushButton>(*form, "runButton")->text(), Q(u"実  行"));
    QCOMPARE(Control<QPushButton>(*form, "quitButton")->text(), Q(u"終  了"));
    QCOMPARE(Control<QGroupBox>(*form, "sourceFrame")->title(), Q(u"変換元ファイル名選択"));
    QCOMPARE(Control<QGroupBox>(*form, "destinationFrame")->title(), Q(u"変換先ﾌｫﾙﾀﾞ名選択"));
    QCOMPARE(Control<QGroupBox>(*form, "messageFrame")->title(), Q(u"メッセージ"));
    QCOMPARE(Control<QLabel>(*form, "sourceCaption")->text(), Q(u"変換元ファイル名："));
    QCOMPARE(Control<QLabel>(*form, "destinationCaption")->text(), Q(u"変換先ﾌｫﾙﾀﾞ名 ："));
    QVERIFY(Control<QLabel>(*form, "statusLabel")->text().isEmpty());
    QVERIFY(Control<QLineEdit>(*form, "sourceBox")->text().isEmpty());
    QVERIFY(Control<QLineEdit>(*form, "destinationBox")->text().isEmpty());
    QCOMPARE(Control<QWidget>(*form, "picture")->parentWidget(), form.get());

    // The pickers sit in their frames; the status label in its own.
    auto* frame1 = Control<QGroupBox>(*form, "sourceFrame");
    auto* frame2 = Control<QGroupBox>(*form, "destinationFrame");
    for (const char* name : {"sourceDrives", "sourceFolders", "sourceFiles"}) {
      QCOMPARE(Control<QWidget>(*form, name)->parentWidget(), frame1);
    }
    for (const char* name : {"destinationDrives", "destinationFolders"}) {
      QCOMPARE(Control<QWidget>(*form, name)->parentWidget(), frame2);
    }
    QCOMPARE(Control<QLabel>(*form, "statusLabel")->parentWidget(),
             Control<QGroupBox>(*form, "messageFrame"));

    // The whole window fits a 1024 x 768 screen.
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    QVERIFY(form->frameGeometry().width() <= 1024);
    QVERIFY(form->frameGeometry().height() <= 768);
  }

  void ListsStartAtTheCurrentFolder() {
    WindowFixture fixture;
    WriteBytes(fixture.Drive(u'C') / "top.txt", "x");
    std::filesystem::create_directories(fixture.Drive(u'C') / "data");
    auto form = fixture.MakeWindow();
    QCOMPARE(Control<DriveList>(*form, "sourceDrives")->Drive(), u'C');
    QCOMPARE(Control<FolderList>(*form, "sourceFolders")->Path(), std::u16string(u"C:\\"));
    QCOMPARE(Control<FolderList>(*form, "destinationFolders")->Path(), std::u16string(u"C:\\"));
    QCOMPARE(Control<QListWidget>(*form, "sourceFiles")->count(), 1);
    QVERIFY(Control<QLineEdit>(*form, "sourceBox")->text().isEmpty());
  }

  void SourcePickersFillText1() {
    WindowFixture fixture;
    WriteBytes(fixture.Drive(u'C') / "top.txt", "x");
    WriteBytes(fixture.Drive(u'C') / "data" / "boring.txt", "x");
    WriteBytes(fixture.Drive(u'C') / "data" / ".hidden", "x");
    auto form = fixture.MakeWindow();
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    auto* dir1 = Control<FolderList>(*form, "sourceFolders");
    auto* file1 = Control<QListWidget>(*form, "sourceFiles");
    auto* text1 = Control<QLineEdit>(*form, "sourceBox");

    // A file in a drive root: the root and the name, one "\".
    QVERIFY(ClickEntry(file1, QStringLiteral("top.txt"), false));
    QCOMPARE(text1->text(), Q(u"C:\\top.txt"));

    // Opening a folder puts the folder itself into Text1 until a file is
    // clicked; the file list shows every file.
    QVERIFY(ClickEntry(dir1, QStringLiteral("data"), true));
    QCOMPARE(dir1->Path(), std::u16string(u"C:\\data"));
    QCOMPARE(text1->text(), Q(u"C:\\data"));
    QCOMPARE(file1->count(), 2);
    QVERIFY(ClickEntry(file1, QStringLiteral("boring.txt"), false));
    QCOMPARE(text1->text(), Q(u"C:\\data\\boring.txt"));
    QCOMPARE(form->env().working_folder(), std::u16string(u"C:\\data"));
    QCOMPARE(std::filesystem::current_path(), fixture.Drive(u'C'));  // the process's stays

    // Back up to the root through the folder chain.
    QVERIFY(ClickEntry(dir1, QStringLiteral("C:\\"), true));
    QCOMPARE(text1->text(), Q(u"C:\\"));
  }

  void DestinationPickersFillText2() {
    WindowFixture fixture;
    std::filesystem::create_directories(fixture.Drive(u'D') / "out" / "deep");
    auto form = fixture.MakeWindow();
    auto* drive2 = Control<DriveList>(*form, "destinationDrives");
    auto* dir2 = Control<FolderList>(*form, "destinationFolders");
    auto* text2 = Control<QLineEdit>(*form, "destinationBox");

    drive2->setCurrentIndex(drive2->findData(static_cast<int>(u'D')));
    QCOMPARE(dir2->Path(), std::u16string(u"D:\\"));
    QCOMPARE(text2->text(), Q(u"D:\\"));
    QCOMPARE(form->env().current_drive(), u'D');

    QVERIFY(dir2->SetPath(u"D:\\out\\deep"));
    QCOMPARE(text2->text(), Q(u"D:\\out\\deep"));

    // Back on C: and then on D: again, the folder last opened there returns.
    drive2->setCurrentIndex(drive2->findData(static_cast<int>(u'C')));
    QCOMPARE(text2->text(), Q(u"C:\\"));
    drive2->setCurrentIndex(drive2->findData(static_cast<int>(u'D')));
    QCOMPARE(text2->text(), Q(u"D:\\out\\deep"));
  }

  void DriveNotReadyIsIgnoredSilently() {
    WindowFixture fixture;
    auto form = fixture.MakeWindow();
    auto* drive1 = Control<DriveList>(*form, "sourceDrives");
    auto* dir1 = Control<FolderList>(*form, "sourceFolders");
    int files_before = Control<QListWidget>(*form, "sourceFiles")->count();
    drive1->setCurrentIndex(drive1->findData(static_cast<int>(u'Q')));
    QCOMPARE(drive1->Drive(), u'C');
    QCOMPARE(dir1->Path(), std::u16string(u"C:\\"));
    QCOMPARE(Control<QListWidget>(*form, "sourceFiles")->count(), files_before);
    QVERIFY(Control<QLineEdit>(*form, "sourceBox")->text().isEmpty());
    QVERIFY(form->message_boxes().shown().empty());
    QCOMPARE(form->env().current_drive(), u'C');
  }

  void F1AsksForHelpContextOne() {
    WindowFixture fixture;
    WriteBytes(fixture.Root() / "help" / "Lithomar.HLP", "help");
    auto form = fixture.MakeWindow(u"C:\\PATDAT\\",
                                   FromHostPath(fixture.Root() / "help") + u"\\Lithomar.HLP");
    std::vector<QUrl> opened;
    form->help_viewer().SetUrlOpener([&](const QUrl& url) {
      opened.push_back(url);
      return true;
    });
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    form->activateWindow();
    QTest::keyClick(form.get(), Qt::Key_F1);
    QCOMPARE(opened.size(), std::size_t{1});
    QCOMPARE(opened[0].toLocalFile(),
             QString::fromStdString((fixture.Root() / "help" / "Lithomar.HLP").string()));
    QVERIFY(form->message_boxes().shown().empty());

    // Help on help needs no file.
    form->HelpRequest(4);
    QCOMPARE(form->message_boxes().shown().size(), std::size_t{1});
  }

  // Where the desktop cannot open the help file, or there is none, the HTML
  // page opens; only when that fails too does a message say so, naming the
  // page when there is one.
  void HelpFallsBackToThePage() {
    struct Case {
      const char* name;
      bool has_file;
      bool has_page;
      bool file_opens;
      bool page_opens;
      const char* opened;       // "file", "page" or ""
      const char16_t* message;  // a part of the message, or nothing shown
    } cases[] = {
        {"file opens", true, true, true, true, "file", nullptr},
        {"no viewer for the file", true, true, false, true, "page", nullptr},
        {"no file", false, true, false, true, "page", nullptr},
        {"neither opens", true, true, false, false, "", u"share"},
        {"no file, page fails", false, true, false, false, "", u"index.html」を開くプログラム"},
        {"file fails, no page", true, false, false, false, "", u"開けませんでした"},
        {"no file, no page", false, false, false, true, "", u"見つかりません"},
    };
    for (const Case& c : cases) {
      WindowFixture fixture;
      std::filesystem::path file = fixture.Root() / "help" / "Lithomar.HLP";
      std::filesystem::path page = fixture.Root() / "share" / "index.html";
      WriteBytes(file, "help");
      WriteBytes(page, "<html>");
      auto form =
          fixture.MakeWindow(u"C:\\PATDAT\\", c.has_file ? FromHostPath(file) : std::u16string());
      form->help_viewer().SetHelpPagePath(c.has_page ? page : std::filesystem::path());
      std::string opened;
      form->help_viewer().SetUrlOpener([&](const QUrl& url) {
        bool is_file = url.toLocalFile() == QString::fromStdString(file.string());
        bool opens = is_file ? c.file_opens : c.page_opens;
        if (opens) opened = is_file ? "file" : "page";
        return opens;
      });
      form->HelpRequest(1);
      QCOMPARE(opened, std::string(c.opened));
      const auto& shown = form->message_boxes().shown();
      QVERIFY2(shown.size() == (c.message ? 1u : 0u), c.name);
      if (c.message) QVERIFY2(shown[0].text.find(c.message) != std::u16string::npos, c.name);
    }
  }

  void EndButtonClosesTheWindow() {
    WindowFixture fixture;
    auto form = fixture.MakeWindow();
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    QTest::mouseClick(Control<QPushButton>(*form, "quitButton"), Qt::LeftButton);
    QVERIFY(!form->isVisible());
  }
};

}  // namespace bc::testing

QTEST_MAIN(bc::testing::MainWindowTest)
#include "main_window_test.moc"

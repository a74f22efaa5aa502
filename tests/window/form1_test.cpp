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
#include "window/form1.h"
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

class Form1Test : public QObject {
  Q_OBJECT

 private slots:
  void ControlsCarryTheirNamesAndCaptions() {
    WindowFixture fixture;
    auto form = fixture.MakeForm();
    QCOMPARE(form->objectName(), QStringLiteral("Form1"));
    QVERIFY(!form->windowTitle().isEmpty());
    QCOMPARE(Control<QPushButton>(*form, "Command1")->text(), Q(u"実  行"));
    QCOMPARE(Control<QPushButton>(*form, "Command2")->text(), Q(u"終  了"));
    QCOMPARE(Control<QGroupBox>(*form, "Frame1")->title(), Q(u"変換元ファイル名選択"));
    QCOMPARE(Control<QGroupBox>(*form, "Frame2")->title(), Q(u"変換先ﾌｫﾙﾀﾞ名選択"));
    QCOMPARE(Control<QGroupBox>(*form, "Frame3")->title(), Q(u"メッセージ"));
    QCOMPARE(Control<QLabel>(*form, "Label1")->text(), Q(u"変換元ファイル名："));
    QCOMPARE(Control<QLabel>(*form, "Label2")->text(), Q(u"変換先ﾌｫﾙﾀﾞ名 ："));
    QVERIFY(Control<QLabel>(*form, "Label3")->text().isEmpty());
    QVERIFY(Control<QLineEdit>(*form, "Text1")->text().isEmpty());
    QVERIFY(Control<QLineEdit>(*form, "Text2")->text().isEmpty());
    QCOMPARE(Control<QWidget>(*form, "Picture1")->parentWidget(), form.get());

    // The pickers sit in their frames; the status label in its own.
    auto* frame1 = Control<QGroupBox>(*form, "Frame1");
    auto* frame2 = Control<QGroupBox>(*form, "Frame2");
    for (const char* name : {"Drive1", "Dir1", "File1"}) {
      QCOMPARE(Control<QWidget>(*form, name)->parentWidget(), frame1);
    }
    for (const char* name : {"Drive2", "Dir2"}) {
      QCOMPARE(Control<QWidget>(*form, name)->parentWidget(), frame2);
    }
    QCOMPARE(Control<QLabel>(*form, "Label3")->parentWidget(), Control<QGroupBox>(*form, "Frame3"));

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
    auto form = fixture.MakeForm();
    QCOMPARE(Control<DriveList>(*form, "Drive1")->Drive(), u'C');
    QCOMPARE(Control<FolderList>(*form, "Dir1")->Path(), std::u16string(u"C:\\"));
    QCOMPARE(Control<FolderList>(*form, "Dir2")->Path(), std::u16string(u"C:\\"));
    QCOMPARE(Control<QListWidget>(*form, "File1")->count(), 1);
    QVERIFY(Control<QLineEdit>(*form, "Text1")->text().isEmpty());
  }

  void SourcePickersFillText1() {
    WindowFixture fixture;
    WriteBytes(fixture.Drive(u'C') / "top.txt", "x");
    WriteBytes(fixture.Drive(u'C') / "data" / "boring.txt", "x");
    WriteBytes(fixture.Drive(u'C') / "data" / ".hidden", "x");
    auto form = fixture.MakeForm();
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    auto* dir1 = Control<FolderList>(*form, "Dir1");
    auto* file1 = Control<QListWidget>(*form, "File1");
    auto* text1 = Control<QLineEdit>(*form, "Text1");

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
    QCOMPARE(std::filesystem::current_path(), fixture.Drive(u'C') / "data");

    // Back up to the root through the folder chain.
    QVERIFY(ClickEntry(dir1, QStringLiteral("C:\\"), true));
    QCOMPARE(text1->text(), Q(u"C:\\"));
  }

  void DestinationPickersFillText2() {
    WindowFixture fixture;
    std::filesystem::create_directories(fixture.Drive(u'D') / "out" / "deep");
    auto form = fixture.MakeForm();
    auto* drive2 = Control<DriveList>(*form, "Drive2");
    auto* dir2 = Control<FolderList>(*form, "Dir2");
    auto* text2 = Control<QLineEdit>(*form, "Text2");

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
    auto form = fixture.MakeForm();
    auto* drive1 = Control<DriveList>(*form, "Drive1");
    auto* dir1 = Control<FolderList>(*form, "Dir1");
    int files_before = Control<QListWidget>(*form, "File1")->count();
    drive1->setCurrentIndex(drive1->findData(static_cast<int>(u'Q')));
    QCOMPARE(drive1->Drive(), u'C');
    QCOMPARE(dir1->Path(), std::u16string(u"C:\\"));
    QCOMPARE(Control<QListWidget>(*form, "File1")->count(), files_before);
    QVERIFY(Control<QLineEdit>(*form, "Text1")->text().isEmpty());
    QVERIFY(form->message_boxes().shown().empty());
    QCOMPARE(form->env().current_drive(), u'C');
  }

  void F1AsksForHelpContextOne() {
    WindowFixture fixture;
    WriteBytes(fixture.Root() / "help" / "Lithomar.HLP", "help");
    auto form = fixture.MakeForm(u"C:\\PATDAT\\",
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

    // Help on help needs no file; a failing viewer is reported.
    form->HelpRequest(4);
    QCOMPARE(form->message_boxes().shown().size(), std::size_t{1});
    form->help_viewer().SetUrlOpener([](const QUrl&) { return false; });
    form->HelpRequest(1);
    QCOMPARE(form->message_boxes().shown().size(), std::size_t{2});
    QVERIFY(form->message_boxes().shown()[1].text.find(u"開けませんでした") !=
            std::u16string::npos);
  }

  void HelpWithoutFileSaysSo() {
    WindowFixture fixture;
    auto form = fixture.MakeForm();
    bool opened = false;
    form->help_viewer().SetUrlOpener([&](const QUrl&) { return opened = true; });
    form->HelpRequest(1);
    QVERIFY(!opened);
    QCOMPARE(form->message_boxes().shown().size(), std::size_t{1});
    QVERIFY(form->message_boxes().shown()[0].text.find(u"見つかりません") != std::u16string::npos);
  }

  void EndButtonClosesTheWindow() {
    WindowFixture fixture;
    auto form = fixture.MakeForm();
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    QTest::mouseClick(Control<QPushButton>(*form, "Command2"), Qt::LeftButton);
    QVERIFY(!form->isVisible());
  }
};

}  // namespace bc::testing

QTEST_MAIN(bc::testing::Form1Test)
#include "form1_test.moc"

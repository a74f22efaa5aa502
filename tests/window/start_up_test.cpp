// Start-up: the settings file, the pattern-data search, the stop without a
// pattern-data folder and the help file along PATH.
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <atomic>

#include "environment/settings.h"
#include "run/run_ui.h"
#include "window/patdat_search_window.h"

#include "window/start_up.h"
#include "window_fixture.h"

namespace bc::testing {

class StartUpTest : public QObject {
  Q_OBJECT

 private:
  // A system folder whose drive table maps only scratch folders, so that no
  // search leaves the scratch area.
  static StartOptions Options(const WindowFixture& fixture) {
    StartOptions options;
    options.settings_folder = fixture.Root() / "config";
    WriteBytes(options.settings_folder / "drives.ini",
               "Z=" + fixture.Drive(u'Z').string() + "\nP=" + fixture.Drive(u'P').string() + "\n");
    std::filesystem::create_directories(fixture.Drive(u'Z'));
    std::filesystem::create_directories(fixture.Drive(u'P'));
    options.answers = [](const MessageRequest&) { return Answer::kOk; };
    options.pick_folder = [] {
      qFatal("no folder picker expected");
      return std::filesystem::path();
    };
    return options;
  }

 private slots:
  void StopsWithoutPatternData() {
    WindowFixture fixture;
    StartOptions options = Options(fixture);
    MessageBoxes boxes;
    std::unique_ptr<MainWindow> form = StartMainWindow(options, boxes);
    QVERIFY(form == nullptr);
    QCOMPARE(boxes.shown().size(), std::size_t{2});
    QCOMPARE(boxes.shown()[0].text, std::u16string(u" PATDAT の設定がありません."));
    QCOMPARE(boxes.shown()[0].style, MessageStyle::kOk);
    QCOMPARE(boxes.shown()[0].title, std::u16string(kProgramTitle));
    // Anything but Yes to the offer ends the program without a picker.
    QCOMPARE(boxes.shown()[1].text, std::u16string(kChooseNowQuestion));
    QCOMPARE(boxes.shown()[1].style, MessageStyle::kYesNoQuestion);
    QVERIFY(!std::filesystem::exists(options.settings_folder / "PatdatV5.ini"));
    for (QWidget* widget : QApplication::topLevelWidgets()) QVERIFY(!widget->isVisible());
  }

  // A first start: the search window names the folder being searched, and
  // Cancel stops the search as if it had found nothing, though P: holds a
  // pattern-data folder.
  void SearchWindowCancelCountsAsNotFound() {
    WindowFixture fixture;
    StartOptions options = Options(fixture);
    WriteBytes(fixture.Drive(u'P') / "work" / "PATDAT" / "kishitu.txt", "5000,砂\r\n");
    std::atomic<bool> release{false};
    std::atomic<int> steps{0};
    options.search_step = [&](std::u16string_view) {
      ++steps;
      for (int i = 0; i < 5000 && !release; ++i) QThread::msleep(1);
    };
    QString shown_folder;
    QTimer poll;
    connect(&poll, &QTimer::timeout, [&] {
      auto* window = qobject_cast<PatdatSearchWindow*>(QApplication::activeModalWidget());
      if (window == nullptr) return;
      shown_folder = window->findChild<QLabel*>("searchedFolder")->text();
      if (shown_folder.isEmpty()) return;
      QTest::mouseClick(window->findChild<QPushButton*>("cancelButton"), Qt::LeftButton);
      release = true;
      poll.stop();
    });
    poll.start(10);
    MessageBoxes boxes;
    QVERIFY(StartMainWindow(options, boxes) == nullptr);
    QCOMPARE(shown_folder, QStringLiteral("P:\\"));
    QCOMPARE(steps.load(), 1);  // nothing searched after the cancel
    QCOMPARE(boxes.shown().size(), std::size_t{2});
    QCOMPARE(boxes.shown()[0].text, std::u16string(kNoPatdatMessage));
    for (QWidget* widget : QApplication::topLevelWidgets()) QVERIFY(!widget->isVisible());
  }

  // Nothing found: the user picks a folder without the table, is told so,
  // picks again; the choice is saved and read on the next start.
  void ChoosesTheFolderAndSavesIt() {
    WindowFixture fixture;
    StartOptions options = Options(fixture);
    std::filesystem::path wrong = fixture.Drive(u'P') / "wrong";
    std::filesystem::path right = fixture.Drive(u'P') / "mine" / "pat";
    WriteBytes(wrong / "kishitu.txt", "");  // empty: no table
    WriteBytes(wrong / "L4.TXT", "x");
    WriteBytes(right / "KISHITU.TXT", "5000,砂\r\n");
    std::vector<std::filesystem::path> picks{wrong, right};
    options.pick_folder = [&picks] {
      std::filesystem::path next = picks.front();
      picks.erase(picks.begin());
      return next;
    };
    options.answers = [](const MessageRequest& request) {
      return request.style == MessageStyle::kYesNoQuestion ? Answer::kYes : Answer::kOk;
    };
    MessageBoxes boxes;
    std::unique_ptr<MainWindow> window = StartMainWindow(options, boxes);
    QVERIFY(window != nullptr);
    QVERIFY(picks.empty());
    QCOMPARE(window->patdat_path(), std::u16string(u"P:\\mine\\pat\\"));
    QCOMPARE(boxes.shown().size(), std::size_t{3});
    QVERIFY(boxes.shown()[2].text.find(u"kishitu.txt がありません") != std::u16string::npos);
    QCOMPARE(LoadPatdatSetting(options.settings_folder), std::u16string(u"P:\\mine\\pat\\"));

    // The next start takes the saved folder without searching or asking.
    options.pick_folder = [] {
      qFatal("no folder picker expected");
      return std::filesystem::path();
    };
    options.search_step = [](std::u16string_view) { qFatal("no search expected"); };
    MessageBoxes next_boxes;
    window = StartMainWindow(options, next_boxes);
    QVERIFY(window != nullptr);
    QCOMPARE(window->patdat_path(), std::u16string(u"P:\\mine\\pat\\"));
    QVERIFY(next_boxes.shown().empty());
  }

  // Giving up at the picker or at "choose another?" ends the program and
  // writes no settings file.
  void GivingUpEndsWithoutSettings() {
    struct Case {
      const char* name;
      bool pick_wrong;  // else the picker is cancelled
    } cases[] = {{"picker cancelled", false}, {"no to another folder", true}};
    for (const Case& c : cases) {
      WindowFixture fixture;
      StartOptions options = Options(fixture);
      std::filesystem::path wrong = fixture.Drive(u'P') / "wrong";
      std::filesystem::create_directories(wrong);
      int picked = 0;
      options.pick_folder = [&] {
        ++picked;
        return c.pick_wrong ? wrong : std::filesystem::path();
      };
      options.answers = [](const MessageRequest& request) {
        return request.text == kChooseNowQuestion              ? Answer::kYes
               : request.style == MessageStyle::kYesNoQuestion ? Answer::kNo
                                                               : Answer::kOk;
      };
      MessageBoxes boxes;
      QVERIFY2(StartMainWindow(options, boxes) == nullptr, c.name);
      QCOMPARE(picked, 1);
      QCOMPARE(boxes.shown().size(), std::size_t{c.pick_wrong ? 3u : 2u});
      QVERIFY2(!std::filesystem::exists(options.settings_folder / "PatdatV5.ini"), c.name);
    }
  }

  void TakesTheSettingsFile() {
    WindowFixture fixture;
    StartOptions options = Options(fixture);
    WriteAnsiLines(options.settings_folder / "PatdatV5.ini",
                   {u"C:\\NOT\\THIS", u"\"P:\\MINE\\\",x"});
    MessageBoxes boxes;
    std::unique_ptr<MainWindow> form = StartMainWindow(options, boxes);
    QVERIFY(form != nullptr);
    QVERIFY(!form->isVisible());
    QVERIFY(boxes.shown().empty());
    QCOMPARE(form->patdat_path(), std::u16string(u"P:\\MINE\\"));
  }

  void SearchesTheDrives() {
    WindowFixture fixture;
    StartOptions options = Options(fixture);
    WriteBytes(fixture.Drive(u'P') / "work" / "PATDAT" / "kishitu.txt", "5000,砂\r\n");
    MessageBoxes boxes;
    std::unique_ptr<MainWindow> form = StartMainWindow(options, boxes);
    QVERIFY(form != nullptr);
    QCOMPARE(form->patdat_path(), std::u16string(u"P:\\work\\PATDAT\\"));
  }

  void LocatesTheHelpFileAlongPath() {
    WindowFixture fixture;
    StartOptions options = Options(fixture);
    WriteAnsiLines(options.settings_folder / "PatdatV5.ini", {u"", u"P:\\"});
    std::filesystem::path first = fixture.Root() / "bin1";
    std::filesystem::path second = fixture.Root() / "bin2";
    std::filesystem::create_directories(first);
    WriteBytes(second / "Lithomar.HLP", "help");
    options.path_variable = FromHostPath(first) + u":" + FromHostPath(second) + u"/";
    MessageBoxes boxes;
    std::unique_ptr<MainWindow> form = StartMainWindow(options, boxes);
    QVERIFY(form != nullptr);
    QCOMPARE(form->help_viewer().help_file_path(), FromHostPath(second) + u"/Lithomar.HLP");

    // Nothing on PATH: the window still starts, without a help file.
    options.path_variable = FromHostPath(first);
    form = StartMainWindow(options, boxes);
    QVERIFY(form != nullptr);
    QVERIFY(form->help_viewer().help_file_path().empty());
    QVERIFY(boxes.shown().empty());
  }

  void StopsOnAMalformedDriveTable() {
    WindowFixture fixture;
    StartOptions options = Options(fixture);
    WriteBytes(options.settings_folder / "drives.ini", "no drive here\n");
    MessageBoxes boxes;
    QVERIFY(StartMainWindow(options, boxes) == nullptr);
    QCOMPARE(boxes.shown().size(), std::size_t{1});
    QCOMPARE(boxes.shown()[0].style, MessageStyle::kError);
  }
};

}  // namespace bc::testing

QTEST_MAIN(bc::testing::StartUpTest)
#include "start_up_test.moc"

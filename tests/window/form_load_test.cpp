// Start-up: the settings file, the pattern-data search, the stop without a
// pattern-data folder and the help file along PATH.
#include <QApplication>
#include <QTest>

#include "window/form_load.h"
#include "window_fixture.h"

namespace bc::testing {

class FormLoadTest : public QObject {
  Q_OBJECT

 private:
  // A system folder whose drive table maps only scratch folders, so that no
  // search leaves the scratch area.
  static FormLoadOptions Options(const WindowFixture& fixture) {
    FormLoadOptions options;
    options.system_folder = fixture.Root() / "config";
    WriteBytes(options.system_folder / "drives.ini",
               "Z=" + fixture.Drive(u'Z').string() + "\nP=" + fixture.Drive(u'P').string() + "\n");
    std::filesystem::create_directories(fixture.Drive(u'Z'));
    std::filesystem::create_directories(fixture.Drive(u'P'));
    options.answers = [](const MessageRequest&) { return 1; };
    return options;
  }

 private slots:
  void StopsWithoutPatternData() {
    WindowFixture fixture;
    FormLoadOptions options = Options(fixture);
    MessageBoxes boxes;
    std::unique_ptr<Form1> form = FormLoad(options, boxes);
    QVERIFY(form == nullptr);
    QCOMPARE(boxes.shown().size(), std::size_t{1});
    QCOMPARE(boxes.shown()[0].text, std::u16string(u" PATDAT の設定がありません."));
    QCOMPARE(boxes.shown()[0].style, 0);
    QCOMPARE(boxes.shown()[0].title, std::u16string(kProgramTitle));
    for (QWidget* widget : QApplication::topLevelWidgets()) QVERIFY(!widget->isVisible());
  }

  void TakesTheSettingsFile() {
    WindowFixture fixture;
    FormLoadOptions options = Options(fixture);
    WriteAnsiLines(options.system_folder / "PatdatV5.ini", {u"C:\\NOT\\THIS", u"\"P:\\MINE\\\",x"});
    MessageBoxes boxes;
    std::unique_ptr<Form1> form = FormLoad(options, boxes);
    QVERIFY(form != nullptr);
    QVERIFY(!form->isVisible());
    QVERIFY(boxes.shown().empty());
    QCOMPARE(form->patdat_path(), std::u16string(u"P:\\MINE\\"));
  }

  void SearchesTheDrives() {
    WindowFixture fixture;
    FormLoadOptions options = Options(fixture);
    WriteBytes(fixture.Drive(u'P') / "work" / "PATDAT" / "kishitu.txt", "5000,砂\r\n");
    MessageBoxes boxes;
    std::unique_ptr<Form1> form = FormLoad(options, boxes);
    QVERIFY(form != nullptr);
    QCOMPARE(form->patdat_path(), std::u16string(u"P:\\work\\PATDAT\\"));
  }

  void LocatesTheHelpFileAlongPath() {
    WindowFixture fixture;
    FormLoadOptions options = Options(fixture);
    WriteAnsiLines(options.system_folder / "PatdatV5.ini", {u"", u"P:\\"});
    std::filesystem::path first = fixture.Root() / "bin1";
    std::filesystem::path second = fixture.Root() / "bin2";
    std::filesystem::create_directories(first);
    WriteBytes(second / "Lithomar.HLP", "help");
    options.path_variable = FromHostPath(first) + u":" + FromHostPath(second) + u"/";
    MessageBoxes boxes;
    std::unique_ptr<Form1> form = FormLoad(options, boxes);
    QVERIFY(form != nullptr);
    QCOMPARE(form->help_viewer().help_file_path(), FromHostPath(second) + u"/Lithomar.HLP");

    // Nothing on PATH: the window still starts, without a help file.
    options.path_variable = FromHostPath(first);
    form = FormLoad(options, boxes);
    QVERIFY(form != nullptr);
    QVERIFY(form->help_viewer().help_file_path().empty());
    QVERIFY(boxes.shown().empty());
  }

  void StopsOnAMalformedDriveTable() {
    WindowFixture fixture;
    FormLoadOptions options = Options(fixture);
    WriteBytes(options.system_folder / "drives.ini", "no drive here\n");
    MessageBoxes boxes;
    QVERIFY(FormLoad(options, boxes) == nullptr);
    QCOMPARE(boxes.shown().size(), std::size_t{1});
    QCOMPARE(boxes.shown()[0].style, 16);
  }
};

}  // namespace bc::testing

QTEST_MAIN(bc::testing::FormLoadTest)
#include "form_load_test.moc"

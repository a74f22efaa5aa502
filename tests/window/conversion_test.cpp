// Conversions started from "実  行": scripted answers, the status text and
// StatusShown, the hourglass, and the preview of the boring just written.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QThread>
#include <QTimer>

#include "run/run_ui.h"
#include "window/boring_preview.h"
#include "window/folder_list.h"
#include "window/main_window.h"
#include "window/window_run_ui.h"
#include "window_fixture.h"

namespace bc::testing {
namespace {

const std::filesystem::path kSamples = std::filesystem::path(BORINGCONV_SOURCE_DIR) / "samples";

QString Q(const std::u16string& text) { return QString::fromStdU16String(text); }

// A window over a copy of the sample boring (C:\src\boring.txt) and of the
// sample pattern-data folder (C:\PATDAT\).
std::unique_ptr<MainWindow> SampleForm(WindowFixture& fixture) {
  std::filesystem::create_directories(fixture.Drive(u'C') / "src");
  std::filesystem::copy_file(kSamples / "boring.txt", fixture.Drive(u'C') / "src" / "boring.txt");
  std::filesystem::copy(kSamples / "patdat", fixture.Drive(u'C') / "PATDAT",
                        std::filesystem::copy_options::recursive);
  return fixture.MakeWindow(u"C:\\PATDAT\\");
}

// Clicks the run button and waits for the run's end; false when it never came.
bool Run(MainWindow& form, const std::u16string& source, const std::u16string& destination) {
  form.findChild<QLineEdit*>("sourceBox")->setText(Q(source));
  form.findChild<QLineEdit*>("destinationBox")->setText(Q(destination));
  QSignalSpy finished(&form, &MainWindow::conversionFinished);
  QTest::mouseClick(form.findChild<QPushButton*>("runButton"), Qt::LeftButton);
  return finished.count() == 1 || finished.wait(30000);
}

QString Status(MainWindow& form) { return form.findChild<QLabel*>("statusLabel")->text(); }

}  // namespace

class ConversionTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    if (!std::filesystem::exists(kSamples / "boring.txt")) QSKIP("no sample boring");
  }

  void ConvertsIntoANewFolderAndShowsThePreview() {
    WindowFixture fixture;
    auto form = SampleForm(fixture);
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    auto* preview = form->findChild<BoringPreview*>("picture");
    QVERIFY(!preview->HasProfile());

    QVERIFY(Run(*form, u"C:\\src\\boring.txt", u"D:\\out\\b1"));
    const auto& shown = form->message_boxes().shown();
    QCOMPARE(shown.size(), std::size_t{1});
    QCOMPARE(shown[0].text, std::u16string(u"ﾌｫﾙﾀﾞがありません。新規作成しますか？"));
    QCOMPARE(shown[0].style, MessageStyle::kYesNoQuestion);
    QCOMPARE(Status(*form), Q(u"変換が正常に終了しました。"));
    QCOMPARE(form->success_shown(), true);
    QVERIFY(std::filesystem::exists(fixture.Drive(u'D') / "out" / "b1" / "X1.TXT"));
    QVERIFY(QApplication::overrideCursor() == nullptr);

    // The preview holds the eight layers down to 18 m and the blow counts.
    QCOMPARE(preview->profile().layers.size(), std::size_t{8});
    QCOMPARE(preview->profile().layers.back().bottom, 18.0f);
    QVERIFY(!preview->profile().blows.empty());
    QCOMPARE(preview->profile().name, std::u16string(u"B-1"));
    QImage image = preview->grab().toImage();
    QVERIFY(!image.isNull());

    // The success text stays until the mouse moves over the picture, once.
    QTest::mouseMove(form->findChild<QLineEdit*>("sourceBox"));
    QCOMPARE(Status(*form), Q(u"変換が正常に終了しました。"));
    QTest::mouseMove(preview, QPoint(20, 20));
    QTRY_VERIFY(Status(*form).isEmpty());
    QCOMPARE(form->success_shown(), false);
    form->findChild<QLabel*>("statusLabel")->setText(QStringLiteral("x"));
    QTest::mouseMove(preview, QPoint(40, 40));
    QTest::qWait(20);
    QCOMPARE(Status(*form), QStringLiteral("x"));
  }

  void NoToTheFolderQuestionStops() {
    WindowFixture fixture;
    auto form = SampleForm(fixture);
    form->message_boxes().SetAnswerProvider([](const MessageRequest& request) {
      return request.style == MessageStyle::kYesNoQuestion ? Answer::kNo : Answer::kOk;
    });
    QVERIFY(Run(*form, u"C:\\src\\boring.txt", u"D:\\out\\b1"));
    QCOMPARE(form->message_boxes().shown().size(), std::size_t{1});
    QVERIFY(Status(*form).isEmpty());
    QCOMPARE(form->success_shown(), false);
    QVERIFY(!std::filesystem::exists(fixture.Drive(u'D') / "out"));
    QVERIFY(QApplication::overrideCursor() == nullptr);
  }

  void WrongDestinationFocusesText2() {
    WindowFixture fixture;
    auto form = SampleForm(fixture);
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    form->activateWindow();
    QVERIFY(Run(*form, u"C:\\src\\boring.txt", u"C:\\a\\\\b"));
    const auto& shown = form->message_boxes().shown();
    QCOMPARE(shown.size(), std::size_t{1});
    QCOMPARE(shown[0].text, std::u16string(u"指定されたパスは正しくありません。"));
    QCOMPARE(shown[0].style, MessageStyle::kExclamation);
    QCOMPARE(shown[0].title, std::u16string(u"C:\\a\\\\b"));
    auto* text2 = form->findChild<QLineEdit*>("destinationBox");
    QTRY_VERIFY(text2->hasFocus());
    QCOMPARE(text2->selectedText(), text2->text());
  }

  void WrongTagIsRejected() {
    WindowFixture fixture;
    auto form = SampleForm(fixture);
    WriteAnsiLines(fixture.Drive(u'C') / "src" / "other.txt", {u"XYZ", u"2000 1.0 砂"});
    QVERIFY(Run(*form, u"C:\\src\\other.txt", u"D:\\"));
    QCOMPARE(form->message_boxes().shown().size(), std::size_t{1});
    QCOMPARE(form->message_boxes().shown()[0].text,
             std::u16string(u"選択された変換元ファイルは違います。"));
    QCOMPARE(form->message_boxes().shown()[0].title, std::u16string(u"C:\\src\\other.txt"));
    QVERIFY(!std::filesystem::exists(fixture.Drive(u'D') / "CNT.TXT"));
  }

  // A run that ends early leaves the later files of an earlier run: the
  // preview must not show their values as those of the new boring.
  void PreviewIgnoresFilesOfAnEarlierRun() {
    WindowFixture fixture;
    auto form = SampleForm(fixture);
    QVERIFY(Run(*form, u"C:\\src\\boring.txt", u"D:\\"));
    QVERIFY(!form->findChild<BoringPreview*>("picture")->profile().blows.empty());
    std::filesystem::path x5 = fixture.Drive(u'D') / "X5.TXT";
    std::filesystem::last_write_time(
        x5, std::filesystem::file_time_type::clock::now() - std::chrono::hours(1));

    WriteAnsiLines(fixture.Drive(u'C') / "src" / "short.txt",
                   {u"QVN", u"1003 短い", u"2000 1.00 盛土", u"2000 3.00 砂"});
    QVERIFY(Run(*form, u"C:\\src\\short.txt", u"D:\\"));
    QCOMPARE(Status(*form), Q(u"変換が正常に終了しました。"));
    QVERIFY(!std::filesystem::exists(x5));  // one boring per folder
    const BoringProfile& profile = form->findChild<BoringPreview*>("picture")->profile();
    QCOMPARE(profile.layers.size(), std::size_t{2});
    QVERIFY(profile.blows.empty());
  }

  // The run works off the window's thread: its questions are answered on the
  // window's thread, with the controls (not the box) disabled meanwhile, and
  // the process's current folder stays where it was.
  void RunsOffTheWindowThread() {
    WindowFixture fixture;
    auto form = SampleForm(fixture);
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    std::filesystem::path folder_before = std::filesystem::current_path();
    bool on_window_thread = false;
    bool controls_disabled = false;
    bool busy = false;
    form->message_boxes().SetAnswerProvider([&](const MessageRequest&) {
      on_window_thread = QThread::currentThread() == form->thread();
      controls_disabled = !form->findChild<QPushButton*>("runButton")->isEnabled() &&
                          !form->findChild<QLineEdit*>("sourceBox")->isEnabled();
      busy = form->running();
      return Answer::kYes;
    });
    QVERIFY(Run(*form, u"C:\\src\\boring.txt", u"D:\\out\\b1"));
    QVERIFY(on_window_thread);
    QVERIFY(controls_disabled);
    QVERIFY(busy);
    QVERIFY(!form->running());
    QVERIFY(form->findChild<QPushButton*>("runButton")->isEnabled());
    QCOMPARE(std::filesystem::current_path(), folder_before);
    QCOMPARE(Status(*form), Q(u"変換が正常に終了しました。"));

    // A real box during the run can be answered.
    form->message_boxes().SetAnswerProvider(nullptr);
    bool box_enabled = false;
    QTimer poll;
    connect(&poll, &QTimer::timeout, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (box == nullptr) return;
      box_enabled = box->isEnabled();
      box->button(QMessageBox::No)->click();
    });
    poll.start(10);
    QVERIFY(Run(*form, u"C:\\src\\boring.txt", u"D:\\out\\b2"));
    QVERIFY(box_enabled);
    QVERIFY(!std::filesystem::exists(fixture.Drive(u'D') / "out" / "b2"));
  }

  // A file named without a folder is looked for in the folder opened last.
  void RelativeSourceStartsAtTheOpenedFolder() {
    WindowFixture fixture;
    auto form = SampleForm(fixture);
    QVERIFY(form->findChild<FolderList*>("sourceFolders")->SetPath(u"C:\\src"));
    QVERIFY(Run(*form, u"boring.txt", u"D:\\"));
    QCOMPARE(Status(*form), Q(u"変換が正常に終了しました。"));
    QVERIFY(std::filesystem::exists(fixture.Drive(u'D') / "X1.TXT"));
  }

  void HourglassOnlyWhileBusy() {
    WindowFixture fixture;
    auto form = fixture.MakeWindow();
    auto* label = form->findChild<QLabel*>("statusLabel");
    MessageBoxes boxes;
    QCursor* during_question = nullptr;
    boxes.SetAnswerProvider([&](const MessageRequest&) {
      during_question = QApplication::overrideCursor();
      return Answer::kYes;
    });
    {
      WindowRunUi ui(form.get(), label, form->findChild<QLineEdit*>("destinationBox"), boxes);
      ui.SetStatus(u"只今変換中！　しばらくお待ちください。");
      ui.Repaint();
      QCOMPARE(label->text(), Q(u"只今変換中！　しばらくお待ちください。"));
      ui.SetBusy(true);
      QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
      QCOMPARE(ui.ShowMessage(u"?", MessageStyle::kYesNoQuestion, u""), Answer::kYes);
      QVERIFY(during_question == nullptr);
      QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    }
    // Leaving the run while busy restores the pointer.
    QVERIFY(QApplication::overrideCursor() == nullptr);
  }
};

}  // namespace bc::testing

QTEST_MAIN(bc::testing::ConversionTest)
#include "conversion_test.moc"

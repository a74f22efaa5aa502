// The window model: the pickers' entries, a run on its worker with every
// call carried to the window's thread, the picture and status it leaves,
// and changing the pattern-data folder.
#include "window_model/converter_form.h"

#include <gtest/gtest.h>

#include <deque>
#include <thread>

#include "environment/settings.h"
#include "support/recording_ui.h"
#include "support/section_fixture.h"
#include "window_model/folder_listing.h"

namespace bc {
namespace {

using testing::RecordingUi;
using testing::ScratchFolder;
using testing::WriteAnsiLines;
using testing::WriteBytes;

const std::filesystem::path kSamples = std::filesystem::path(BORINGCONV_SOURCE_DIR) / "samples";

// The test's own thread stands for the window's: posted work waits in a
// queue until Pump runs it.
class QueueThread : public WindowThread {
 public:
  bool IsCurrent() const override { return std::this_thread::get_id() == owner_; }
  void Post(std::function<void()> task) override {
    std::lock_guard<std::mutex> lock(mutex_);
    tasks_.push_back(std::move(task));
  }
  // Runs posted work until done() holds.
  template <typename Done>
  void PumpUntil(Done done) {
    while (!done()) {
      std::function<void()> task;
      {
        std::lock_guard<std::mutex> lock(mutex_);
        if (!tasks_.empty()) {
          task = std::move(tasks_.front());
          tasks_.pop_front();
        }
      }
      if (task) {
        task();
      } else {
        std::this_thread::yield();
      }
    }
  }

 private:
  std::thread::id owner_ = std::this_thread::get_id();
  std::mutex mutex_;
  std::deque<std::function<void()>> tasks_;
};

// A view that checks it is only ever called on the window's thread.
class ThreadCheckedUi : public RecordingUi {
 public:
  explicit ThreadCheckedUi(const QueueThread& thread) : thread_(thread) {}
  void SetStatus(std::u16string_view text) override {
    off_thread += !thread_.IsCurrent();
    RecordingUi::SetStatus(text);
  }
  Answer ShowMessage(std::u16string_view text, MessageStyle style,
                     std::u16string_view title) override {
    off_thread += !thread_.IsCurrent();
    return RecordingUi::ShowMessage(text, style, title);
  }
  int off_thread = 0;

 private:
  const QueueThread& thread_;
};

class ConverterFormTest : public ::testing::Test {
 protected:
  ConverterFormTest() {
    for (const char* drive : {"c", "d"})
      std::filesystem::create_directories(scratch_.path() / drive);
    std::filesystem::copy(kSamples / "patdat", scratch_.path() / "c" / "PATDAT",
                          std::filesystem::copy_options::recursive);
    std::filesystem::copy_file(kSamples / "boring.txt", scratch_.path() / "c" / "boring.txt");
    DriveMap drives;
    drives.Map(u'C', scratch_.path() / "c");
    drives.Map(u'D', scratch_.path() / "d");
    drives.Map(u'Q', scratch_.path() / "none");
    form_ = std::make_unique<ConverterForm>(Environment(std::move(drives), scratch_.path()),
                                            u"C:\\PATDAT\\");
  }

  RunOutcome Run(const std::u16string& source, const std::u16string& destination) {
    bool ended = false;
    EXPECT_TRUE(form_->StartRun(source, destination, ui_, thread_, [&ended] { ended = true; }));
    EXPECT_FALSE(form_->StartRun(source, destination, ui_, thread_, [] {}));
    thread_.PumpUntil([&ended] { return ended; });
    return form_->FinishRun();
  }

  ScratchFolder scratch_;
  QueueThread thread_;
  ThreadCheckedUi ui_{thread_};
  std::unique_ptr<ConverterForm> form_;
};

TEST_F(ConverterFormTest, RunOnTheWorkerShowsEverythingOnTheWindowThread) {
  RunOutcome outcome = Run(u"C:\\boring.txt", u"D:\\out\\b1");
  EXPECT_TRUE(outcome.ok);
  EXPECT_EQ(ui_.off_thread, 0);
  ASSERT_EQ(ui_.messages.size(), 1u);
  EXPECT_EQ(ui_.messages[0].text, u"ﾌｫﾙﾀﾞがありません。新規作成しますか？");
  EXPECT_EQ(outcome.status, u"変換が正常に終了しました。");
  EXPECT_FALSE(form_->running());
  EXPECT_EQ(form_->picture().layers.size(), 8u);
  EXPECT_EQ(form_->picture().name, u"B-1");
  EXPECT_TRUE(form_->success_shown());
  // The success text goes at the first move over the picture, only then.
  EXPECT_TRUE(form_->PictureMouseMoved());
  EXPECT_FALSE(form_->PictureMouseMoved());
}

// A failed run leaves no picture of an earlier boring and keeps its
// message in the status label; a refused question is no failure to show.
TEST_F(ConverterFormTest, FailedRunClearsThePictureAndKeepsTheMessage) {
  ASSERT_TRUE(Run(u"C:\\boring.txt", u"D:\\").ok);
  ASSERT_FALSE(form_->picture().empty());
  WriteAnsiLines(scratch_.path() / "c" / "other.txt", {u"XYZ", u"2000 1.0 砂"});
  RunOutcome failed = Run(u"C:\\other.txt", u"D:\\");
  EXPECT_FALSE(failed.ok);
  EXPECT_EQ(failed.status, u"選択された変換元ファイルは違います。");
  EXPECT_TRUE(form_->picture().empty());
  EXPECT_FALSE(form_->success_shown());

  ui_.answer = Answer::kNo;
  RunOutcome refused = Run(u"C:\\boring.txt", u"D:\\new");
  EXPECT_FALSE(refused.ok);
  EXPECT_EQ(refused.status, u"");
}

TEST_F(ConverterFormTest, DrivesRememberTheirFolders) {
  std::filesystem::create_directories(scratch_.path() / "d" / "out" / "deep");
  EXPECT_EQ(form_->FolderForDrive(u'D'), u"D:\\");
  EXPECT_EQ(form_->FolderForDrive(u'Q'), std::nullopt);  // no medium
  form_->FolderOpened(u"D:\\out\\deep");
  EXPECT_EQ(form_->env().working_folder(), u"D:\\out\\deep");
  EXPECT_EQ(form_->env().current_drive(), u'D');
  EXPECT_EQ(form_->FolderForDrive(u'D'), u"D:\\out\\deep");
  // A remembered folder that has gone gives way to the root.
  std::filesystem::remove_all(scratch_.path() / "d" / "out");
  EXPECT_EQ(form_->FolderForDrive(u'D'), u"D:\\");
  EXPECT_EQ(ConverterForm::ClickedFileText(u"C:\\", u"a.txt"), u"C:\\a.txt");
  EXPECT_EQ(ConverterForm::ClickedFileText(u"C:\\src", u"a.txt"), u"C:\\src\\a.txt");
}

TEST_F(ConverterFormTest, FolderListShowsTheChainThenTheFoldersInside) {
  std::filesystem::create_directories(scratch_.path() / "c" / "a" / "b" / "y");
  std::filesystem::create_directories(scratch_.path() / "c" / "a" / "b" / "x");
  WriteBytes(scratch_.path() / "c" / "a" / "b" / "file.txt", "x");
  FolderListing listing = ListFolder(form_->env(), u"C:\\a\\b");
  std::vector<std::pair<std::u16string, std::u16string>> entries;
  for (const FolderEntry& entry : listing.entries) entries.emplace_back(entry.text, entry.path);
  std::vector<std::pair<std::u16string, std::u16string>> expected{{u"C:\\", u"C:\\"},
                                                                  {u"  a", u"C:\\a"},
                                                                  {u"    b", u"C:\\a\\b"},
                                                                  {u"      x", u"C:\\a\\b\\x"},
                                                                  {u"      y", u"C:\\a\\b\\y"}};
  EXPECT_EQ(entries, expected);
  EXPECT_EQ(listing.open_index, 2u);
  EXPECT_EQ(ListFiles(form_->env(), u"C:\\a\\b"), std::vector<std::u16string>{u"file.txt"});
  EXPECT_FALSE(IsFolder(form_->env(), u"C:\\a\\b\\file.txt"));
}

class ScriptedPrompter : public Prompter {
 protected:
  Answer ShowBox(const MessageRequest& request) override {
    return request.style == MessageStyle::kYesNoQuestion ? Answer::kNo : Answer::kOk;
  }
};

TEST_F(ConverterFormTest, ChangingPatdatSavesTheChoice) {
  std::filesystem::path settings = scratch_.path() / "config";
  form_->SetSystemFolder(settings);
  ScriptedPrompter prompter;
  // A folder without the table is refused; No to another ends it unchanged.
  EXPECT_FALSE(form_->ChangePatdat(prompter, [&] { return scratch_.path() / "d"; }));
  EXPECT_EQ(form_->patdat_path(), u"C:\\PATDAT\\");
  EXPECT_EQ(prompter.shown().size(), 1u);
  WriteBytes(scratch_.path() / "d" / "pat" / "kishitu.txt", "5000,砂\r\n");
  EXPECT_TRUE(form_->ChangePatdat(prompter, [&] { return scratch_.path() / "d" / "pat"; }));
  EXPECT_EQ(form_->patdat_path(), u"D:\\pat\\");
  EXPECT_EQ(LoadPatdatSetting(settings), u"D:\\pat\\");
}

TEST(PictureFileStemTest, ReplacesWhatAFileNameCannotHold) {
  BoringProfile profile;
  EXPECT_EQ(PictureFileStem(profile), u"boring");
  profile.name = u"B-1/2:a*b";
  EXPECT_EQ(PictureFileStem(profile), u"B-1_2_a_b");
}

}  // namespace
}  // namespace bc

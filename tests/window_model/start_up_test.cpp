// The first start without a toolkit: the search job and its cancel, the
// offer to choose, and the choice written to the settings.
#include "window_model/start_up.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "environment/settings.h"
#include "support/section_fixture.h"
#include "window_model/patdat_search_job.h"

namespace bc {
namespace {

using testing::ScratchFolder;
using testing::WriteBytes;

class Answering : public Prompter {
 public:
  explicit Answering(Answer to_questions) : to_questions_(to_questions) {}

 protected:
  Answer ShowBox(const MessageRequest& request) override {
    return request.style == MessageStyle::kYesNoQuestion ? to_questions_ : Answer::kOk;
  }

 private:
  Answer to_questions_;
};

class StartUpTest : public ::testing::Test {
 protected:
  StartUpTest() {
    settings_.system_folder = scratch_.path() / "config";
    WriteBytes(settings_.system_folder / "drives.ini",
               "P=" + (scratch_.path() / "p").string() + "\n");
    WriteBytes(scratch_.path() / "p" / "work" / "PATDAT" / "kishitu.txt", "5000,砂\r\n");
  }

  ScratchFolder scratch_;
  StartSettings settings_;
};

TEST_F(StartUpTest, SearchJobFindsOrIsCancelled) {
  Environment env(DriveMap(), scratch_.path() / "program");
  env.drives().Map(u'P', scratch_.path() / "p");
  EXPECT_EQ(PatdatSearchJob(env, {}).Finish(), u"P:\\work\\PATDAT\\");

  std::atomic<bool> release{false};
  std::atomic<int> steps{0};
  PatdatSearchJob job(env, [&](std::u16string_view) {
    ++steps;
    while (!release) std::this_thread::yield();
  });
  while (job.CurrentFolder().empty()) std::this_thread::yield();
  job.Cancel();
  release = true;
  EXPECT_EQ(job.Finish(), u"");
  EXPECT_TRUE(job.Done());
  EXPECT_EQ(steps.load(), 1);
}

// Found by nobody: the notice, the offer, the picker, and the choice saved.
TEST_F(StartUpTest, FirstStartOffersToChooseAndSaves) {
  int searches = 0;
  settings_.search = [&searches](const Environment&) {
    ++searches;
    return std::u16string();
  };
  settings_.pick_folder = [this] { return scratch_.path() / "p" / "work" / "PATDAT"; };
  Answering yes(Answer::kYes);
  std::optional<StartedWindow> started = PrepareStart(settings_, yes);
  ASSERT_TRUE(started.has_value());
  EXPECT_EQ(searches, 1);
  EXPECT_EQ(started->patdat_path, u"P:\\work\\PATDAT\\");
  EXPECT_EQ(LoadPatdatSetting(settings_.system_folder), u"P:\\work\\PATDAT\\");
  ASSERT_EQ(yes.shown().size(), 2u);
  EXPECT_EQ(yes.shown()[0].text, kNoPatdatMessage);
  EXPECT_EQ(yes.shown()[0].title, kProgramTitle);

  // The next start reads the settings and neither searches nor asks.
  Answering next(Answer::kYes);
  ASSERT_TRUE(PrepareStart(settings_, next).has_value());
  EXPECT_EQ(searches, 1);
  EXPECT_TRUE(next.shown().empty());
}

TEST_F(StartUpTest, NoToTheOfferEndsWithoutSettings) {
  settings_.search = [](const Environment&) { return std::u16string(); };
  settings_.pick_folder = [] {
    ADD_FAILURE() << "no picker expected";
    return std::filesystem::path();
  };
  Answering no(Answer::kNo);
  EXPECT_FALSE(PrepareStart(settings_, no).has_value());
  EXPECT_FALSE(std::filesystem::exists(settings_.system_folder / "PatdatV5.ini"));
}

}  // namespace
}  // namespace bc

#include <gtest/gtest.h>

#include <fstream>
#include <set>

#include "batch/batch_plan.h"
#include "batch/batch_run.h"
#include "environment/safe_path.h"
#include "support/section_fixture.h"
#include "text/utf8.h"

namespace bc {
namespace {

using testing::ScratchFolder;

using testing::WriteBytes;

std::vector<std::u16string> Destinations(const std::vector<BatchItem>& items) {
  std::vector<std::u16string> out;
  for (const BatchItem& item : items) out.push_back(item.destination);
  return out;
}

TEST(BatchPlanTest, FoldersInNameOrderWithTaggedFilesOnly) {
  ScratchFolder dir;
  WriteBytes(dir.path() / "site" / "b2.txt", "QVN\r\n");
  WriteBytes(dir.path() / "site" / "a1.txt", "  QVN 1\r\n");
  WriteBytes(dir.path() / "site" / "notes.txt", "not a boring\r\n");
  WriteBytes(dir.path() / "site" / "deeper" / "c3.dat", "QVN\r\n");
  WriteBytes(dir.path() / "single.txt", "anything\r\n");
  std::vector<BatchItem> items =
      PlanBatch({dir.path() / "single.txt", dir.path() / "site"}, u"D:\\out", HasSourceTag);
  EXPECT_EQ(Destinations(items), (std::vector<std::u16string>{u"D:\\out\\single", u"D:\\out\\a1",
                                                              u"D:\\out\\b2", u"D:\\out\\c3"}));
  EXPECT_EQ(items[1].source, dir.path() / "site" / "a1.txt");
  EXPECT_EQ(items[3].source, dir.path() / "site" / "deeper" / "c3.dat");
}

TEST(BatchPlanTest, RepeatedStemsGetNumbers) {
  ScratchFolder dir;
  for (const char* name : {"x/B1.txt", "y/b1.txt", "z/b1.txt", "b1_2.txt"}) {
    WriteBytes(dir.path() / name, "QVN\r\n");
  }
  std::vector<BatchItem> items =
      PlanBatch({dir.path() / "x", dir.path() / "y", dir.path() / "b1_2.txt", dir.path() / "z"},
                u"D:\\out\\", HasSourceTag);
  EXPECT_EQ(Destinations(items),
            (std::vector<std::u16string>{u"D:\\out\\B1", u"D:\\out\\b1_2", u"D:\\out\\b1_2_2",
                                         u"D:\\out\\b1_3"}));
}

// Every hostile name gives one safe folder right below the root: never ".."
// or "." (which would leave it), never a device, never a deeper path.
TEST(BatchPlanTest, HostileNamesStayBelowTheRoot) {
  std::vector<std::filesystem::path> names = {
      "..txt", "...txt", "CON.txt",  "nul.TXT",   "COM1.txt", "LPT9.txt", "x. .txt",
      " .txt", ".txt",   "conin$.x", "aux. .txt", "b.txt",    "x"};
#ifndef _WIN32
  for (const char* name : {"a\\b.txt", "..\\..\\up.txt", "a:b.txt", "C:\\x.txt", "<|>.txt"})
    names.emplace_back(name);
#endif
  std::vector<BatchItem> items = PlanBatch(names, u"D:\\out", HasSourceTag);
  ASSERT_EQ(items.size(), names.size());
  std::set<std::u16string> seen;
  for (const BatchItem& item : items) {
    std::string label = ToUtf8(item.destination);
    ASSERT_TRUE(item.destination.starts_with(u"D:\\out\\")) << label;
    std::u16string name = item.destination.substr(7);
    EXPECT_EQ(name.find_first_of(u"\\/:"), std::u16string::npos) << label;
    EXPECT_NE(name, u"..");
    EXPECT_NE(name, u".");
    EXPECT_FALSE(IsUnsafeElement(name)) << label;
    EXPECT_EQ(NormalDrivePath(item.destination), item.destination) << label;
    EXPECT_TRUE(seen.insert(name).second) << label;
  }
  EXPECT_EQ(items[0].destination, u"D:\\out\\_");
  EXPECT_EQ(items[1].destination, u"D:\\out\\_2");
  EXPECT_EQ(items[2].destination, u"D:\\out\\_CON");
}

class RecordingObserver : public BatchObserver {
 public:
  void Starting(std::size_t index, std::size_t total, const BatchItem&) override {
    events.push_back("start " + std::to_string(index) + "/" + std::to_string(total));
  }
  void Finished(std::size_t index, std::size_t, const BatchResult& result) override {
    events.push_back("end " + std::to_string(index) + (result.converted ? " ok" : " stopped"));
  }
  std::vector<std::string> events;
};

TEST(BatchRunTest, AStoppedBoringDoesNotStopTheBatch) {
  std::vector<BatchItem> items = {
      {"a.txt", u"D:\\o\\a"}, {"b.txt", u"D:\\o\\b"}, {"c.txt", u"D:\\o\\c"}};
  std::vector<Answer> answers;
  ConvertOne convert = [&](const BatchItem& item, RunUi& ui) {
    answers.push_back(ui.ShowMessage(u"ﾌｫﾙﾀﾞがありません。新規作成しますか？",
                                     MessageStyle::kYesNoQuestion, u""));
    if (item.source == "b.txt") {
      ui.ShowMessage(u"変換元ファイルの 3 行目: 数値が扱える範囲を超えています。",
                     MessageStyle::kError, u"");
      return false;
    }
    return true;
  };
  RecordingObserver observer;
  std::vector<BatchResult> results = RunBatch(items, convert, true, observer);
  EXPECT_EQ(observer.events, (std::vector<std::string>{"start 0/3", "end 0 ok", "start 1/3",
                                                       "end 1 stopped", "start 2/3", "end 2 ok"}));
  EXPECT_EQ(answers, (std::vector<Answer>{Answer::kYes, Answer::kYes, Answer::kYes}));
  results[2].warnings.push_back(u"L13.TXT が一杯です。");
  EXPECT_EQ(BatchSummary(results),
            u"変換 2 件、停止 1 件、警告 1 件\n"
            u"停止: b.txt: 変換元ファイルの 3 行目: 数値が扱える範囲を超えています。\n"
            u"警告: c.txt: L13.TXT が一杯です。\n");
}

TEST(BatchRunTest, RefusedFoldersStopEachBoringWithTheQuestion) {
  RecordingObserver observer;
  ConvertOne convert = [](const BatchItem&, RunUi& ui) {
    return ui.ShowMessage(u"作成しますか？", MessageStyle::kYesNoQuestion, u"") == Answer::kYes;
  };
  std::vector<BatchResult> results = RunBatch({{"a.txt", u"D:\\o\\a"}}, convert, false, observer);
  ASSERT_FALSE(results[0].converted);
  EXPECT_EQ(results[0].messages, (std::vector<std::u16string>{u"作成しますか？ いいえ (--no)"}));
}

}  // namespace
}  // namespace bc

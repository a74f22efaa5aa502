#include <gtest/gtest.h>

#include <fstream>
#include <set>

#include "batch/batch_plan.h"
#include "batch/batch_run.h"
#include "environment/environment.h"
#include "environment/safe_path.h"
#include "run/memory_file_system.h"
#include "support/section_fixture.h"
#include "text/utf8.h"

namespace bc {
namespace {

using testing::ScratchFolder;

using testing::WriteBytes;

namespace fs = std::filesystem;

std::vector<std::u16string> Destinations(const std::vector<BatchItem>& items) {
  std::vector<std::u16string> out;
  for (const BatchItem& item : items) out.push_back(item.destination);
  return out;
}

std::vector<std::pair<std::string, PassedOver>> Skipped(const BatchPlan& plan) {
  std::vector<std::pair<std::string, PassedOver>> out;
  for (const SkippedFile& file : plan.skipped)
    out.emplace_back(file.file.filename().string(), file.why);
  return out;
}

TEST(BatchPlanTest, FoldersInNameOrderWithTaggedFilesOnly) {
  ScratchFolder dir;
  WriteBytes(dir.path() / "site" / "b2.txt", "QVN\r\n");
  WriteBytes(dir.path() / "site" / "a1.txt", "  QVN 1\r\n");
  WriteBytes(dir.path() / "site" / "notes.txt", "not a boring\r\n");
  WriteBytes(dir.path() / "site" / "deeper" / "c3.dat", "QVN\r\n");
  WriteBytes(dir.path() / "single.txt", "anything\r\n");
  BatchPlan plan = PlanBatch({dir.path() / "single.txt", dir.path() / "site"}, u"D:\\out");
  const std::vector<BatchItem>& items = plan.items;
  EXPECT_EQ(Destinations(items), (std::vector<std::u16string>{u"D:\\out\\single", u"D:\\out\\a1",
                                                              u"D:\\out\\b2", u"D:\\out\\c3"}));
  EXPECT_EQ(items[1].source, dir.path() / "site" / "a1.txt");
  EXPECT_EQ(items[3].source, dir.path() / "site" / "deeper" / "c3.dat");
  EXPECT_EQ(
      Skipped(plan),
      (std::vector<std::pair<std::string, PassedOver>>{{"notes.txt", PassedOver::kNotBoring}}));
}

// A record file saved by an editor that adds a byte-order mark is still a
// record file; what is not is named with its reason, and a file that
// cannot be read becomes a boring that stops with the system's reason.
TEST(BatchPlanTest, EveryFileWalkedPastIsCountedWithItsReason) {
  ScratchFolder dir;
  fs::path site = dir.path() / "site";
  WriteBytes(site / "a-sjis.txt", "QVN\r\n");
  WriteBytes(site / "b-utf8.txt", "\xEF\xBB\xBFQVN\n2000 1 a\n");
  WriteBytes(site / "c-utf16.txt", std::string("\xFF\xFEQ\0V\0N\0\r\0\n\0", 12));
  WriteBytes(site / "d-binary.dat", std::string("\x89PNG\r\n\x1A\n\0\0QVN", 13));
  WriteBytes(site / "e-figure.svg", "<?xml version=\"1.0\"?><svg/>");
  WriteBytes(site / "f-locked.txt", "QVN\r\n");
#ifndef _WIN32
  fs::create_symlink(site / "a-sjis.txt", site / "g-link.txt");
#endif
  FileClassifier classify = [](const fs::path& file, FileError* why) {
    if (file.filename() != "f-locked.txt") return ClassifyFile(file, why);
    *why = FileError::kAccessDenied;
    return FileKind::kUnreadable;
  };
  BatchPlan plan = PlanBatch({site}, u"D:\\out", classify);
  EXPECT_EQ(Destinations(plan.items),
            (std::vector<std::u16string>{u"D:\\out\\a-sjis", u"D:\\out\\b-utf8",
                                         u"D:\\out\\c-utf16", u"D:\\out\\f-locked"}));
  EXPECT_EQ(plan.items[3].problem, u"ファイルを開けません（読み取りが許可されていません）: " +
                                       FromHostPath(site / "f-locked.txt"));
  std::vector<std::pair<std::string, PassedOver>> skipped = {
      {"d-binary.dat", PassedOver::kNotBoring}, {"e-figure.svg", PassedOver::kOtherXml}};
#ifndef _WIN32
  skipped.emplace_back("g-link.txt", PassedOver::kLink);
#endif
  EXPECT_EQ(Skipped(plan), skipped);
}

TEST(BatchPlanTest, AMissingFileGivenByNameStopsAsNotFound) {
  ScratchFolder dir;
  BatchPlan plan = PlanBatch({dir.path() / "none.txt"}, u"D:\\out");
  ASSERT_EQ(plan.items.size(), 1u);
  EXPECT_EQ(plan.items[0].problem,
            u"変換元ファイルが見つかりません: " + FromHostPath(dir.path() / "none.txt"));
}

TEST(BatchPlanTest, RepeatedStemsGetNumbers) {
  ScratchFolder dir;
  for (const char* name : {"x/B1.txt", "y/b1.txt", "z/b1.txt", "b1_2.txt"}) {
    WriteBytes(dir.path() / name, "QVN\r\n");
  }
  BatchPlan plan =
      PlanBatch({dir.path() / "x", dir.path() / "y", dir.path() / "b1_2.txt", dir.path() / "z"},
                u"D:\\out\\");
  EXPECT_EQ(Destinations(plan.items),
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
  auto any_file = [](const std::filesystem::path&, FileError*) { return FileKind::kRecord; };
  std::vector<BatchItem> items = PlanBatch(names, u"D:\\out", any_file).items;
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
      {"/s/a.txt", u"D:\\o\\a"},
      {"/s/b.txt", u"D:\\o\\b"},
      {"/s/c.txt", u"D:\\o\\c"},
      {"/s/d.txt", u"D:\\o\\d", u"ファイルを開けません（読み取りエラー）"}};
  std::vector<Answer> answers;
  ConvertOne convert = [&](const BatchItem& item, RunUi& ui) {
    answers.push_back(ui.ShowMessage(u"ﾌｫﾙﾀﾞがありません。新規作成しますか？",
                                     MessageStyle::kYesNoQuestion, u""));
    if (item.source == "/s/b.txt") {
      ui.ShowMessage(u"変換元ファイルの 3 行目: 数値が扱える範囲を超えています。",
                     MessageStyle::kError, u"");
      return false;
    }
    return true;
  };
  RecordingObserver observer;
  std::vector<BatchResult> results = RunBatch(items, convert, true, observer);
  EXPECT_EQ(observer.events,
            (std::vector<std::string>{"start 0/4", "end 0 ok", "start 1/4", "end 1 stopped",
                                      "start 2/4", "end 2 ok", "start 3/4", "end 3 stopped"}));
  EXPECT_EQ(answers, (std::vector<Answer>{Answer::kYes, Answer::kYes, Answer::kYes}));
  results[2].warnings = {u"L13.TXT が一杯です。", u"12 行目: 「7.6O」"};
#ifndef _WIN32
  EXPECT_EQ(BatchSummary(results, {{"/s/x.bin", PassedOver::kNotBoring}}),
            u"変換 2 件、停止 2 件、警告 2 件、見送り 1 件\n"
            u"停止: /s/b.txt: 変換元ファイルの 3 行目: 数値が扱える範囲を超えています。\n"
            u"停止: /s/d.txt: ファイルを開けません（読み取りエラー）\n"
            u"警告あり: /s/c.txt\n"
            u"  L13.TXT が一杯です。\n"
            u"  12 行目: 「7.6O」\n"
            u"見送り: /s/x.bin: ボーリングの記録ファイルではありません\n");
#endif
}

TEST(BatchRunTest, SummaryFileIsShiftJisWithCrLf) {
  MemoryFileSystem memory;
  memory.AddFolder("/root");
  EXPECT_EQ(WriteSummaryFile(memory, "/root", u"変換 1 件\n見送り: a\n"), FileError::kNone);
  EXPECT_EQ(memory.GetFile(fs::path("/root") / ToHostPath(kSummaryFileName)),
            "\x95\xCF\x8A\xB7 1 \x8C\x8F\r\n\x8C\xA9\x91\x97\x82\xE8: a\r\n");
  EXPECT_EQ(WriteSummaryFile(memory, "/none", u"x\n"), FileError::kNotFound);
}

// CNT.TXT takes its first lines from the second and third folders below the
// drive: a root with fewer folders puts fragments of the boring's name there.
TEST(BatchRunTest, ShallowRootsAreWarnedAbout) {
  EXPECT_EQ(ShallowRootWarning(u"C:\\Q\\SITE\\", u"C:\\Q\\SITE\\BORE01"), u"");
  EXPECT_EQ(ShallowRootWarning(u"C:\\a\\b\\c", u"C:\\a\\b\\c\\B"), u"");
  std::u16string warning = ShallowRootWarning(u"C:\\out", u"C:\\out\\BORE01");
  EXPECT_NE(warning.find(u"C:\\out\\BORE01 の CNT.TXT は「BORE」と「」になります"),
            std::u16string::npos)
      << ToUtf8(warning);
  warning = ShallowRootWarning(u"C:\\", u"C:\\B1");
  EXPECT_NE(warning.find(u"フォルダが 0 段"), std::u16string::npos) << ToUtf8(warning);
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

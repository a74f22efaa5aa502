// Whole runs of the bundled sample over a copy of its pattern-data folder:
// faults at every file operation, links at output names, the folder's lock,
// and one store serving several runs.
#include <gtest/gtest.h>

#include <fstream>
#include <map>

#include "batch/batch_run.h"
#include "conversion/conversion.h"
#include "run/memory_file_system.h"
#include "run/run_error.h"
#include "support/faulty_file_system.h"
#include "support/recording_ui.h"
#include "support/section_fixture.h"
#include "text/utf8.h"

namespace bc {
namespace {

using testing::FaultyFileSystem;
using testing::FileOp;
using testing::ReadBytes;
using testing::RecordingUi;
using testing::ScratchFolder;

constexpr char16_t kSuccess[] = u"変換が正常に終了しました。";
const std::filesystem::path kSamples = std::filesystem::path(BORINGCONV_SOURCE_DIR) / "samples";

using Files = std::map<std::string, std::string>;

// The files of a folder of the memory file system.
Files MemoryFiles(MemoryFileSystem& memory, const std::filesystem::path& folder) {
  Files files;
  for (const std::filesystem::path& name : memory.List(folder)) {
    files[name.string()] = *memory.GetFile(folder / name);
  }
  return files;
}

Files FolderFiles(const std::filesystem::path& folder) {
  Files files;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    files[entry.path().filename().string()] = ReadBytes(entry.path());
  }
  return files;
}

// C: holds the sample source and the destination, P: a copy of the sample's
// pattern-data folder.
class SampleRun {
 public:
  SampleRun() : env_(DriveMap(), scratch_.path()) {
    std::filesystem::create_directories(scratch_.path() / "c");
    std::filesystem::copy(kSamples / "patdat", scratch_.path() / "p");
    std::filesystem::copy_file(kSamples / "boring.txt", scratch_.path() / "c" / "b.txt");
    env_.drives().Map(u'C', scratch_.path() / "c");
    env_.drives().Map(u'P', scratch_.path() / "p");
  }

  bool Run(const RunOptions& options) {
    return RunConversion({u"C:\\b.txt", u"C:\\out", u"P:\\"}, env_, ui, options);
  }
  bool Run(PatternStore& store) {
    return RunConversion({u"C:\\b.txt", u"C:\\out", u"P:\\"}, env_, ui, store);
  }

  Files Tables() const { return FolderFiles(scratch_.path() / "p"); }
  Files Outputs() const { return FolderFiles(scratch_.path() / "c" / "out"); }
  std::filesystem::path Out(const char* name) const { return scratch_.path() / "c" / "out" / name; }
  Environment& env() { return env_; }
  const std::filesystem::path& path() const { return scratch_.path(); }

  RecordingUi ui;

 private:
  ScratchFolder scratch_;
  Environment env_;
};

// The same run on files in memory: the disk would only add the time of its
// syncs and copies.
class MemorySampleRun {
 public:
  // Only the destination drive's root is on the disk, where the
  // destination check looks for it.
  explicit MemorySampleRun(const Files& tables)
      : env_(DriveMap(), scratch_.path()), c_(scratch_.path() / "c"), p_(scratch_.path() / "p") {
    std::filesystem::create_directories(c_);
    env_.drives().Map(u'C', c_);
    env_.drives().Map(u'P', p_);
    memory.AddFolder(c_);
    for (const auto& [name, bytes] : tables) memory.SetFile(p_ / name, bytes);
    memory.SetFile(c_ / "b.txt", ReadBytes(kSamples / "boring.txt"));
  }

  bool Run(FileSystem& fs) {
    RunOptions options;
    options.file_system = &fs;
    return RunConversion({u"C:\\b.txt", u"C:\\out", u"P:\\"}, env_, ui, options);
  }
  Files Tables() { return MemoryFiles(memory, p_); }
  Environment& env() { return env_; }
  const std::filesystem::path& c() const { return c_; }
  const std::filesystem::path& p() const { return p_; }

  MemoryFileSystem memory;
  RecordingUi ui;

 private:
  ScratchFolder scratch_;
  Environment env_;
  std::filesystem::path c_;
  std::filesystem::path p_;
};

// The messages of the run's failures (the folder question is not one).
std::vector<std::u16string> Errors(const RecordingUi& ui) {
  std::vector<std::u16string> errors;
  for (const auto& message : ui.messages) {
    if (message.style == MessageStyle::kError) errors.push_back(message.text);
  }
  return errors;
}

class RecordingObserver : public BatchObserver {
 public:
  void Starting(std::size_t, std::size_t, const BatchItem&) override {}
  void Finished(std::size_t, std::size_t, const BatchResult&) override {}
};

bool SawSuccess(const RecordingUi& ui) {
  for (const std::u16string& status : ui.statuses) {
    if (status == kSuccess) return true;
  }
  return false;
}

// Every table holds its old bytes, or its old bytes and whole new lines of
// the run without faults; XKISHITU.TXT, rewritten in one step, holds its old
// or its new contents.
void ExpectWholeTables(const Files& before, const Files& clean, const Files& after,
                       const std::string& label) {
  std::size_t tables = 0;
  for (const auto& [name, bytes] : after) {
    if (name == "boringconv.lock") continue;
    ++tables;
    ASSERT_EQ(before.count(name), 1u) << label << ": left " << name;
    const std::string& old = before.at(name);
    const std::string& done = clean.at(name);
    if (name == "XKISHITU.TXT") {
      EXPECT_TRUE(bytes == old || bytes == done) << label << ": " << name;
      continue;
    }
    EXPECT_EQ(bytes.compare(0, old.size(), old), 0) << label << ": " << name << " lost lines";
    EXPECT_EQ(done.compare(0, bytes.size(), bytes), 0) << label << ": " << name << " differs";
    EXPECT_TRUE(bytes == old || bytes.ends_with("\r\n")) << label << ": " << name << " torn";
  }
  EXPECT_EQ(tables, before.size()) << label;
}

// After several runs, some stopped: every table keeps its old bytes and
// gained whole lines only (a boring run again after a stop may write a line
// the stopped run would have written in another spelling).
void ExpectGrownTables(const Files& before, const Files& after, const std::string& label) {
  for (const auto& [name, bytes] : after) {
    if (name == "boringconv.lock") continue;
    ASSERT_EQ(before.count(name), 1u) << label << ": left " << name;
    const std::string& old = before.at(name);
    if (name != "XKISHITU.TXT") {
      EXPECT_TRUE(bytes.starts_with(old)) << label << ": " << name << " lost lines";
    }
    EXPECT_TRUE(bytes == old || bytes.ends_with("\r\n")) << label << ": " << name << " torn";
  }
}

TEST(StoreRunTest, EveryFailedOperationStopsTheRunWithWholeTables) {
  const Files before = FolderFiles(kSamples / "patdat");
  MemorySampleRun reference(before);
  FaultyFileSystem counter(reference.memory, FileOp::kCount, 0);
  ASSERT_TRUE(reference.Run(counter))
      << (reference.ui.messages.empty() ? std::string()
                                        : ToUtf8(reference.ui.messages.back().text));
  const Files clean = reference.Tables();
  ASSERT_NE(clean, before);  // the sample grows the tables
  // Each replaced table (the dictionary) is on the disk before it takes the
  // old one's name, so that a power cut leaves one whole table or the other.
  EXPECT_GT(counter.count(FileOp::kRename), 0);
  EXPECT_GE(counter.count(FileOp::kSync), counter.count(FileOp::kRename));

  int runs = 0;
  for (std::size_t kind = 0; kind < testing::kFileOpCount; ++kind) {
    FileOp op = static_cast<FileOp>(kind);
    for (int n = 1; n <= counter.count(op); ++n) {
      std::string label = std::string(FileOpName(op)) + " " + std::to_string(n);
      MemorySampleRun run(before);
      FaultyFileSystem faulty(run.memory, op, n);
      bool ok = run.Run(faulty);
      ++runs;
      ASSERT_TRUE(faulty.failed()) << label;
      if (ok) {
        EXPECT_TRUE(Errors(run.ui).empty()) << label;
        EXPECT_EQ(run.ui.status(), kSuccess) << label;
      } else {
        EXPECT_EQ(Errors(run.ui).size(), 1u) << label;
        EXPECT_FALSE(SawSuccess(run.ui)) << label;
      }
      ExpectWholeTables(before, clean, run.Tables(), label);
      if (::testing::Test::HasFailure()) return;
    }
  }
  EXPECT_GT(runs, 100);
}

// A batch of borings through one store, as the command line runs it: the
// sample twice (the second adds nothing) and a boring that stops, with a
// fault at every file call. A boring that fails never shows the success
// text, and the tables stay whole whatever boring the fault hit.
TEST(StoreRunTest, EveryFailedOperationOfABatchLeavesWholeTables) {
  const Files before = FolderFiles(kSamples / "patdat");
  const std::vector<BatchItem> items = {
      {"b.txt", u"C:\\one"}, {"missing.txt", u"C:\\two"}, {"b.txt", u"C:\\three"}};
  struct Batch {
    explicit Batch(const Files& tables) : run(tables) {}
    std::vector<BatchResult> Run(FileSystem& fs, const std::vector<BatchItem>& items) {
      RecordingObserver observer;
      std::unique_ptr<PatternStore> store;
      RunOptions options;
      options.file_system = &fs;
      ConvertOne convert = [&](const BatchItem& item, RunUi& ui) {
        try {
          if (!store) store = OpenPatternStore(run.env(), u"P:\\", ui, options);
        } catch (const RunError& error) {
          ui.ShowMessage(error.message(), MessageStyle::kError, u"");
          return false;
        }
        RunRequest request{u"C:\\" + FromHostPath(item.source), item.destination, u"P:\\"};
        return RunConversion(request, run.env(), ui, *store);
      };
      return RunBatch(items, convert, true, observer);
    }
    MemorySampleRun run;
  };
  Batch reference(before);
  FaultyFileSystem counter(reference.run.memory, FileOp::kCount, 0);
  std::vector<BatchResult> clean_results = reference.Run(counter, items);
  ASSERT_TRUE(clean_results[0].converted && clean_results[2].converted);
  for (std::size_t kind = 0; kind < testing::kFileOpCount; ++kind) {
    FileOp op = static_cast<FileOp>(kind);
    for (int n = 1; n <= counter.count(op); ++n) {
      std::string label = "batch " + std::string(FileOpName(op)) + " " + std::to_string(n);
      Batch batch(before);
      FaultyFileSystem faulty(batch.run.memory, op, n);
      std::vector<BatchResult> results = batch.Run(faulty, items);
      ASSERT_TRUE(faulty.failed()) << label;
      for (const BatchResult& result : results) {
        // The collecting UI keeps messages only: a converted boring has none.
        EXPECT_EQ(result.converted, result.messages.empty()) << label;
      }
      ExpectGrownTables(before, batch.run.Tables(), label);
      if (::testing::Test::HasFailure()) return;
    }
  }
}

// A scratch file of the dictionary's replace left by a killed run goes when
// the next run takes the lock; other files stay.
TEST(StoreRunTest, LeftoverScratchFilesGoWhenTheLockIsTaken) {
  MemorySampleRun run(FolderFiles(kSamples / "patdat"));
  run.memory.SetFile(run.p() / "XKISHITU.TXT.123456.0.tmp", "1,torn");
  run.memory.SetFile(run.p() / "xkishitu.txt.9.1.tmp", "");
  run.memory.SetFile(run.p() / "KISHITU.TXT.1.0.tmp", "keep");
  ASSERT_TRUE(run.Run(run.memory));
  Files tables = run.Tables();
  EXPECT_EQ(tables.count("XKISHITU.TXT.123456.0.tmp") + tables.count("xkishitu.txt.9.1.tmp"), 0u);
  EXPECT_EQ(tables.count("KISHITU.TXT.1.0.tmp"), 1u);
}

// Without the code page nothing at all is written, not even the lock file
// or the destination folder, and the message says why.
TEST(StoreRunTest, MissingCodePageStopsBeforeTheFirstWrite) {
  const Files before = FolderFiles(kSamples / "patdat");
  MemorySampleRun run(before);
  FaultyFileSystem faulty(run.memory, FileOp::kCodePage, 1);
  EXPECT_FALSE(run.Run(faulty));
  EXPECT_EQ(Errors(run.ui), std::vector<std::u16string>{CodePageMissingMessage()});
  EXPECT_EQ(run.Tables(), before);
  EXPECT_FALSE(run.memory.Exists(run.c() / "out"));
}

// A source above the limit stops the run before anything is written; a larger limit
// takes it.
TEST(StoreRunTest, OversizeSourceIsRefusedBeforeAnyWrite) {
  MemorySampleRun run(FolderFiles(kSamples / "patdat"));
  const std::string sample = *run.memory.GetFile(run.c() / "b.txt");
  FaultyFileSystem counter(run.memory, FileOp::kCount, 0);
  RunOptions options;
  options.file_system = &counter;
  RunRequest request{u"C:\\b.txt", u"C:\\out", u"P:\\"};
  request.source_limit = sample.size() - 1;
  EXPECT_FALSE(RunConversion(request, run.env(), run.ui, options));
  ASSERT_EQ(Errors(run.ui).size(), 1u);
  EXPECT_NE(Errors(run.ui)[0].find(u"大きすぎる"), std::u16string::npos);
  EXPECT_EQ(counter.count(FileOp::kOpen), 0);
  request.source_limit = sample.size();
  EXPECT_TRUE(RunConversion(request, run.env(), run.ui, options));
}

TEST(StoreRunTest, ReadErrorNamesTheFileAndTheReason) {
  const std::vector<std::pair<int, std::u16string>> cases = {
      // the source, read once before anything else
      {1,
       u"ファイルを読み込めません（読み取りエラー（ディスクやネットワークの状態を確認してください）"
       u"）: C:\\b.txt"},
      {2, CannotReadMessage(u"P:\\L4.TXT", FileError::kIoError)}};  // the first table
  for (const auto& [n, message] : cases) {
    SampleRun run;
    FaultyFileSystem faulty(FileSystem::Default(), FileOp::kRead, n);
    RunOptions options;
    options.file_system = &faulty;
    EXPECT_FALSE(run.Run(options));
    EXPECT_EQ(Errors(run.ui), std::vector<std::u16string>{message});
  }
}

// The system's reason reaches the message of a failed output or table.
TEST(StoreRunTest, WriteFailuresGiveTheSystemsReason) {
  struct Case {
    FileOp op;
    FileError why;
    std::u16string_view text;
  };
  const Case cases[] = {
      // the first open is the check of the pattern-data folder
      {FileOp::kOpen, FileError::kAccessDenied,
       u"PATDAT フォルダに書き込めません（書き込みが許可されていません）: P:\\。"},
      {FileOp::kWrite, FileError::kDiskFull,
       u"ファイルに書き込めません（ディスクがいっぱいです）: C:\\out\\CNT.TXT"},
  };
  for (const Case& c : cases) {
    SampleRun run;
    FaultyFileSystem faulty(FileSystem::Default(), c.op, 1, c.why);
    RunOptions options;
    options.file_system = &faulty;
    EXPECT_FALSE(run.Run(options));
    ASSERT_EQ(Errors(run.ui).size(), 1u);
    EXPECT_EQ(Errors(run.ui)[0].rfind(c.text, 0), 0u) << ToUtf8(Errors(run.ui)[0]);
  }
  SampleRun run;
  FaultyFileSystem faulty(FileSystem::Default(), FileOp::kOpen, 2, FileError::kAccessDenied);
  RunOptions options;
  options.file_system = &faulty;
  EXPECT_FALSE(run.Run(options));
  ASSERT_EQ(Errors(run.ui).size(), 1u);  // the message goes on about the incomplete boring
  EXPECT_EQ(
      Errors(run.ui)[0].rfind(
          CannotOpenMessage(u"C:\\out\\CNT.TXT", FileError::kAccessDenied, FileAccess::kWrite), 0),
      0u);
}

#ifndef _WIN32
TEST(StoreRunTest, LinkAtAnOutputNameStopsTheRun) {
  SampleRun run;
  std::filesystem::create_directories(run.Out(""));
  std::filesystem::path victim = run.path() / "victim.txt";
  std::ofstream(victim) << "keep";
  std::filesystem::create_symlink(victim, run.Out("X3.TXT"));
  EXPECT_FALSE(run.Run(RunOptions()));
  ASSERT_EQ(Errors(run.ui).size(), 1u);  // and the files written before it stay
  EXPECT_EQ(Errors(run.ui)[0].rfind(SymlinkOutputMessage(u"C:\\out\\X3.TXT") + u"\n", 0), 0u);
  EXPECT_TRUE(std::filesystem::exists(run.Out("X1.TXT")));
  EXPECT_EQ(ReadBytes(victim), "keep");
  EXPECT_TRUE(std::filesystem::is_symlink(run.Out("X3.TXT")));
}
#endif

TEST(StoreRunTest, RunWaitsForTheFolderAndGivesUp) {
  SampleRun run;
  auto holder = PatternStore::Open(run.env(), u"P:\\", PatternStore::Options());
  RunOptions options;
  options.lock_timeout = std::chrono::milliseconds(200);
  EXPECT_FALSE(run.Run(options));
  ASSERT_EQ(Errors(run.ui).size(), 1u);
  EXPECT_NE(Errors(run.ui)[0].find(u"P:\\"), std::u16string::npos);
  ASSERT_GE(run.ui.statuses.size(), 2u);
  EXPECT_NE(run.ui.statuses[1].find(u"待っています"), std::u16string::npos);
  EXPECT_FALSE(SawSuccess(run.ui));
  Files tables = run.Tables();
  tables.erase("boringconv.lock");
  EXPECT_EQ(tables, SampleRun().Tables());
  holder.reset();
  EXPECT_TRUE(run.Run(options));
}

TEST(StoreRunTest, OneStoreServesSeveralRunsAsSeparateRunsWould) {
  SampleRun separate;
  ASSERT_TRUE(separate.Run(RunOptions()));
  ASSERT_TRUE(separate.Run(RunOptions()));

  SampleRun batch;
  auto store = PatternStore::Open(batch.env(), u"P:\\", PatternStore::Options());
  ASSERT_TRUE(batch.Run(*store));
  Files first = batch.Outputs();
  ASSERT_TRUE(batch.Run(*store));
  EXPECT_EQ(batch.Tables(), separate.Tables());
  EXPECT_EQ(batch.Outputs(), separate.Outputs());
  EXPECT_EQ(first, separate.Outputs());
}

}  // namespace
}  // namespace bc

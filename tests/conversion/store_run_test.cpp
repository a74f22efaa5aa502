// Whole runs of the bundled sample over a copy of its pattern-data folder:
// faults at every file operation, links at output names, the folder's lock,
// and one store serving several runs.
#include <gtest/gtest.h>

#include <fstream>
#include <map>

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

TEST(StoreRunTest, ReadErrorNamesTheFile) {
  const std::vector<std::pair<int, std::u16string>> cases = {
      {1, CannotReadMessage(u"C:\\b.txt")},    // the source, read once before anything else
      {2, CannotReadMessage(u"P:\\L4.TXT")}};  // the first table
  for (const auto& [n, message] : cases) {
    SampleRun run;
    FaultyFileSystem faulty(FileSystem::Default(), FileOp::kRead, n);
    RunOptions options;
    options.file_system = &faulty;
    EXPECT_FALSE(run.Run(options));
    EXPECT_EQ(Errors(run.ui), std::vector<std::u16string>{message});
  }
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

// Conversions at the same time on one pattern-data folder, as in an office
// that shares the folder on a network drive: the tables must end as the same
// runs one after another could have left them, and a run killed at any
// moment must leave every table whole. Runs take turns through the lock on
// the folder; without it they would truncate each other's scratch file, lose
// dictionary lines and hand out one code twice.
#include <gtest/gtest.h>

#include <signal.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <map>
#include <random>
#include <set>
#include <thread>

#include "e2e/case_folder.h"
#include "e2e/child_process.h"
#include "e2e/growing_boring.h"
#include "e2e/table_growth.h"
#include "support/section_fixture.h"
#include "text/codepage.h"
#include "text/utf8.h"

namespace bc::testing {
namespace {

namespace fs = std::filesystem;

constexpr int kRunsAtOnce = 8;
constexpr char16_t kSuccess[] = u"変換が正常に終了しました。";

// Each output file that shows a code beside its name, with the table the
// code comes from and the columns of its code/name pairs.
struct CodedOutput {
  const char* output;
  const char* table;
  std::vector<std::size_t> code_columns;  // the name follows its code
};
const std::vector<CodedOutput>& CodedOutputs() {
  static const std::vector<CodedOutput> kOutputs = {
      {"X1.TXT", "XKISHITU.TXT", {2}}, {"R31.TXT", "L13.TXT", {2, 4}},
      {"R32.TXT", "L14.TXT", {2, 4}},  {"R33.TXT", "L15.TXT", {2, 4}},
      {"R34.TXT", "L16.TXT", {2, 4}},  {"R35.TXT", "L17.TXT", {2, 4}},
      {"R30.TXT", "L19.TXT", {2, 4}},  {"R72.TXT", "L18.TXT", {3}},
      {"R72.TXT", "L18B.TXT", {5}},
  };
  return kOutputs;
}

std::vector<std::u16string> SplitComma(const std::u16string& line) {
  std::vector<std::u16string> items;
  std::size_t start = 0;
  for (std::size_t comma; (comma = line.find(u',', start)) != std::u16string::npos;
       start = comma + 1) {
    items.push_back(line.substr(start, comma - start));
  }
  items.push_back(line.substr(start));
  return items;
}

// The first faults of a table, one a line.
std::string Joined(const std::vector<std::string>& faults) {
  constexpr std::size_t kShown = 6;
  std::string text;
  for (std::size_t i = 0; i < std::min(faults.size(), kShown); ++i) text += faults[i] + "\n";
  if (faults.size() > kShown) text += "... " + std::to_string(faults.size() - kShown) + " more\n";
  return text;
}

class SharedFolderTest : public ::testing::Test {
 protected:
  using Tables = std::map<std::string, std::string>;
  using Codes = std::map<std::string, std::map<std::u16string, int>>;

  SharedFolderTest() : patdat_(scratch_.path() / "patdat") {
    fs::copy(fs::path(BORINGCONV_SAMPLES) / "patdat", patdat_, fs::copy_options::recursive);
  }

  Tables ReadTables() const {
    Tables tables;
    for (const GrowingTable& table : GrowingTables()) {
      tables[table.file] = ReadBytes(patdat_ / table.file);
    }
    return tables;
  }

  fs::path RunFolder(int run) const { return scratch_.path() / ("run" + std::to_string(run)); }

  ChildProcess Start(int run, const GrowingBoring& boring) const {
    fs::path folder = RunFolder(run);
    fs::create_directories(folder / "config");
    std::ofstream(folder / "source.txt", std::ios::binary) << ToAnsiCrLf(boring.source);
    return ChildProcess({BORINGCONV_CLI, "--yes", "--patdat", patdat_.string(),
                         (folder / "source.txt").string(), (folder / "out").string()},
                        folder / "log", folder / "config");
  }

  std::string Log(int run) const { return ReadBytes(RunFolder(run) / "log"); }

  // Waiting for the lock may be reported first; success is the last line.
  void ExpectSucceeded(int run) const {
    EXPECT_TRUE(FromUtf8(Log(run)).ends_with(std::u16string(kSuccess) + u"\n"))
        << "run " << run << ": " << Log(run);
  }

  // Checks every growing table against before; returns the new codes.
  Codes ExpectGrowth(const Tables& before, const std::vector<GrowingBoring>& borings,
                     bool all_added) const {
    Tables after = ReadTables();
    std::map<std::string, std::set<std::u16string>> names = NamesByTable(borings);
    std::map<std::string, TableGrowth> growth;
    Codes codes;
    for (const GrowingTable& table : GrowingTables()) {
      TableGrowth g = CheckTableGrowth(table, before.at(table.file), after.at(table.file),
                                       names[table.file], all_added);
      if (!g.faults.empty()) ADD_FAILURE() << Joined(g.faults);
      codes[table.file] = g.codes;
      growth[table.file] = std::move(g);
    }
    // A main-list line is a copy of an extension-list line; runs one after
    // another add both in the same order.
    const TableGrowth& main = growth["KISHITU.TXT"];
    const TableGrowth& extension = growth["XKISHITU.TXT"];
    if (!main.faults.empty() || !extension.faults.empty()) return codes;
    if (all_added) {
      EXPECT_TRUE(main.added == extension.added)
          << "KISHITU.TXT did not gain the lines XKISHITU.TXT gained, in the same order";
    }
    std::vector<std::string> faults;
    for (const auto& [name, code] : main.codes) {
      auto found = extension.codes.find(name);
      if (found == extension.codes.end() || found->second != code) {
        faults.push_back("KISHITU.TXT gives " + ToUtf8(name) + " code " + std::to_string(code) +
                         ", XKISHITU.TXT does not");
      }
    }
    if (!faults.empty()) ADD_FAILURE() << Joined(faults);
    return codes;
  }

  // Every code a run wrote beside a name is the code the table gives it.
  void ExpectOutputsAgree(int run, const Codes& codes) const {
    for (const CodedOutput& coded : CodedOutputs()) {
      const std::map<std::u16string, int>& table = codes.at(coded.table);
      for (const std::u16string& line : ReadAnsiLines(RunFolder(run) / "out" / coded.output)) {
        std::vector<std::u16string> items = SplitComma(line);
        for (std::size_t column : coded.code_columns) {
          if (column + 1 >= items.size() || !table.contains(items[column + 1])) continue;
          EXPECT_EQ(std::atoi(ToUtf8(items[column]).c_str()), table.at(items[column + 1]))
              << "run " << run << ", " << coded.output << ": " << ToUtf8(line);
        }
      }
    }
  }

  ScratchFolder scratch_;
  fs::path patdat_;
};

// The rules hold for runs one after another, the order the shared runs
// must be equal to; this keeps the rules themselves honest.
TEST_F(SharedFolderTest, RunsOneAfterAnotherMeetTheRules) {
  const Tables before = ReadTables();
  std::vector<GrowingBoring> borings;
  for (int run = 0; run < kRunsAtOnce; ++run) {
    borings.push_back(MakeGrowingBoring(run, run % 2));
    Start(run, borings.back()).Wait();
    ExpectSucceeded(run);
  }
  Codes codes = ExpectGrowth(before, borings, true);
  for (int run = 0; run < kRunsAtOnce; ++run) ExpectOutputsAgree(run, codes);
}

TEST_F(SharedFolderTest, EightRunsAtOnceEndAsRunsOneAfterAnother) {
  constexpr int kRounds = 4;  // the two-character codes leave room for about 5
  const Tables before = ReadTables();
  std::vector<GrowingBoring> borings;
  for (int round = 0; round < kRounds; ++round) {
    std::vector<ChildProcess> runs;
    for (int i = 0; i < kRunsAtOnce; ++i) {
      borings.push_back(MakeGrowingBoring(round * kRunsAtOnce + i, round));
      runs.push_back(Start(round * kRunsAtOnce + i, borings.back()));
    }
    for (ChildProcess& run : runs) run.Wait();
    for (int i = 0; i < kRunsAtOnce; ++i) ExpectSucceeded(round * kRunsAtOnce + i);
  }
  Codes codes = ExpectGrowth(before, borings, true);
  for (int run = 0; run < kRounds * kRunsAtOnce; ++run) ExpectOutputsAgree(run, codes);
}

TEST_F(SharedFolderTest, RunsKilledAtAnyMomentLeaveEveryTableWhole) {
  constexpr int kRounds = 5;
  std::mt19937 random(std::random_device{}());
  std::uniform_int_distribution<int> pause_us(0, 8000);
  int killed = 0;
  for (int round = 0; round < kRounds; ++round) {
    SCOPED_TRACE("round " + std::to_string(round));
    const Tables before = ReadTables();
    std::vector<GrowingBoring> borings;
    std::vector<ChildProcess> runs;
    for (int i = 0; i < kRunsAtOnce; ++i) {
      borings.push_back(MakeGrowingBoring(round * kRunsAtOnce + i, round));
      runs.push_back(Start(round * kRunsAtOnce + i, borings.back()));
    }
    // Kill in a random order at random moments; some runs may end first.
    std::vector<std::size_t> order(runs.size());
    for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
    std::shuffle(order.begin(), order.end(), random);
    for (std::size_t i : order) {
      std::this_thread::sleep_for(std::chrono::microseconds(pause_us(random)));
      runs[i].Kill();
    }
    for (ChildProcess& run : runs) killed += run.Wait() == 128 + SIGKILL ? 1 : 0;
    ExpectGrowth(before, borings, false);
    if (HasFailure()) return;
  }
  EXPECT_GT(killed, 0) << "every run ended before its kill";
  // Nothing the killed runs held stops the next run: no stale lock, no
  // half-written table.
  const Tables before = ReadTables();
  GrowingBoring last = MakeGrowingBoring(1000, 1000);
  ChildProcess run = Start(1000, last);
  run.Wait();
  ExpectSucceeded(1000);
  Codes codes = ExpectGrowth(before, {last}, true);
  ExpectOutputsAgree(1000, codes);
}

}  // namespace
}  // namespace bc::testing

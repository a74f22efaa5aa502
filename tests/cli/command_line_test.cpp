#include "cli/command_line.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <memory>

#include "environment/drive_map.h"
#include "environment/settings.h"
#include "support/scoped_variable.h"
#include "support/section_fixture.h"
#include "text/utf8.h"

namespace bc {
namespace {

using Args = std::vector<std::u16string>;

struct ParseCase {
  const char* name;
  Args args;
  std::u16string source;       // expected; unused for a wrong call
  std::u16string destination;  // expected
  std::u16string error;        // empty for a call that parses
};

TEST(CommandLineTest, ParsesOrSaysWhatIsWrong) {
  const ParseCase cases[] = {
      {"plain", {u"a.txt", u"C:\\out"}, u"a.txt", u"C:\\out", u""},
      {"double dash ends options", {u"--yes", u"--", u"-a.txt", u"--no"}, u"-a.txt", u"--no", u""},
      {"dash alone is a path", {u"-", u"out"}, u"-", u"out", u""},
      {"value glued by =", {u"--patdat=P:\\X", u"a", u"b"}, u"a", u"b", u""},
      {"save only", {u"--patdat", u"P", u"--save-patdat"}, u"", u"", u""},
      {"save and convert", {u"--save-patdat", u"--patdat", u"P", u"a", u"b"}, u"a", u"b", u""},
      {"help needs no paths", {u"--help"}, u"", u"", u""},
      {"no paths", {}, u"", u"", u"変換元ファイルと変換先フォルダを指定してください。"},
      {"no destination", {u"a"}, u"", u"", u"変換先フォルダを指定してください。"},
      {"extra path", {u"a", u"b", u"c"}, u"", u"", u"余分な引数があります: c"},
      {"yes and no",
       {u"--yes", u"--no", u"a", u"b"},
       u"",
       u"",
       u"--yes と --no は同時に指定できません。"},
      {"missing value", {u"a", u"b", u"--patdat"}, u"", u"", u"--patdat には値が必要です。"},
      {"unknown option",
       {u"--frobnicate", u"a", u"b"},
       u"",
       u"",
       u"不明なオプションです: --frobnicate"},
      {"unknown glued option",
       {u"--frob=1", u"a", u"b"},
       u"",
       u"",
       u"不明なオプションです: --frob"},
      {"value on a flag", {u"--yes=1", u"a", u"b"}, u"", u"", u"--yes は値を取りません。"},
      {"save without folder",
       {u"--save-patdat"},
       u"",
       u"",
       u"--save-patdat には --patdat DIR が必要です。"},
  };
  for (const ParseCase& c : cases) {
    SCOPED_TRACE(c.name);
    std::u16string error;
    std::optional<CommandLine> line = ParseCommandLine(c.args, &error);
    if (!c.error.empty()) {
      EXPECT_FALSE(line);
      EXPECT_EQ(ToUtf8(error), ToUtf8(c.error));
      continue;
    }
    ASSERT_TRUE(line) << ToUtf8(error);
    EXPECT_EQ(ToUtf8(line->source), ToUtf8(c.source));
    EXPECT_EQ(ToUtf8(line->destination), ToUtf8(c.destination));
  }
}

TEST(CommandLineTest, OptionValues) {
  std::u16string error;
  auto line =
      ParseCommandLine({u"--patdat", u"P:\\PATDAT", u"--drive", u"C=/srv/c", u"--drive=D=/d",
                        u"--yes", u"--save-patdat", u"C:\\b.txt", u"C:\\out"},
                       &error);
  ASSERT_TRUE(line) << ToUtf8(error);
  EXPECT_EQ(line->patdat, std::optional<std::u16string>(u"P:\\PATDAT"));
  EXPECT_EQ(line->drives, (Args{u"C=/srv/c", u"D=/d"}));
  EXPECT_EQ(line->answer, std::optional<bool>(true));
  EXPECT_TRUE(line->save_patdat);
}

// What a run writes to standard output and standard error.
struct Outcome {
  int code;
  std::string out;
  std::string err;
};

std::string ReadBack(std::FILE* file) {
  std::fflush(file);
  std::rewind(file);
  std::string bytes;
  char buffer[4096];
  for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, file)) > 0;)
    bytes.append(buffer, n);
  return bytes;
}

Outcome RunCli(const Args& args) {
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> out(std::tmpfile(), &std::fclose);
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> err(std::tmpfile(), &std::fclose);
  int code = RunCommandLine(args, out.get(), err.get());
  return {code, ReadBack(out.get()), ReadBack(err.get())};
}

TEST(CommandLineTest, WrongCallsGiveOneLineAndTheHint) {
  const std::pair<Args, std::string> cases[] = {
      {{u"--bogus"}, "不明なオプションです: --bogus"},
      {{u"only-source"}, "変換先フォルダを指定してください。"},
      {{u"--drive", u"nonsense", u"a", u"b"},
       "--drive は L=フォルダ の形で指定してください: nonsense"},
      {{u"--overview", u"site.svg", u"a", u"b"}, "--overview は --into と使います。"},
  };
  for (const auto& [args, what] : cases) {
    SCOPED_TRACE(what);
    Outcome outcome = RunCli(args);
    EXPECT_EQ(outcome.code, 2);
    EXPECT_EQ(outcome.out, "");
    EXPECT_EQ(outcome.err, "boringconv: " + what + " （使い方: boringconv --help）\n");
  }
}

TEST(CommandLineTest, HelpShowsEveryCommandAndOptionWithAnExample) {
  Outcome outcome = RunCli({u"--help"});
  EXPECT_EQ(outcome.code, 0);
  EXPECT_EQ(outcome.err, "");
  for (const char* name :
       {"--patdat DIR", "--save-patdat", "--drive L=DIR", "--yes, --no", "--into ROOT",
        "--preview FILE.svg", "--previews DIR", "--overview FILE.svg", "--output FILE", "--  ",
        "--help, -h", "--version"}) {
    std::size_t at = outcome.out.find(std::string("\n  ") + name);
    ASSERT_NE(at, std::string::npos) << name;
    std::size_t next = outcome.out.find("\n  -", at + 1);
    EXPECT_NE(outcome.out.substr(at, next - at).find("例: boringconv"), std::string::npos) << name;
  }
  EXPECT_NE(outcome.out.find("boringconv import [--output FILE] XML"), std::string::npos);
}

TEST(CommandLineTest, VersionIsOneLine) {
  Outcome outcome = RunCli({u"--version"});
  EXPECT_EQ(outcome.code, 0);
  EXPECT_EQ(outcome.out, std::string("boringconv ") + BORINGCONV_VERSION + "\n");
}

#ifndef _WIN32
// The settings folder is $XDG_CONFIG_HOME/boringconv; on Windows it is the
// real system folder, which a test must not write.
class SavePatdatTest : public ::testing::Test {
 protected:
  SavePatdatTest() { std::filesystem::create_directories(patdat()); }
  std::filesystem::path patdat() const { return scratch_.path() / "tables"; }
  std::filesystem::path settings() const {
    return scratch_.path() / "config" / "boringconv" / "PatdatV5.ini";
  }

  testing::ScratchFolder scratch_;
  testing::ScopedVariable config_{"XDG_CONFIG_HOME", (scratch_.path() / "config").string()};
};

TEST_F(SavePatdatTest, SavesTheDrivePathOfAFolderWithTheSoilTable) {
  std::ofstream(patdat() / "KISHITU.TXT") << "x";
  Outcome outcome = RunCli({u"--patdat", FromUtf8(patdat().string()), u"--save-patdat"});
  EXPECT_EQ(outcome.code, 0) << outcome.err;
  std::u16string expected = *DriveMap::Default().ToDrivePath(patdat()) + u"\\";
  EXPECT_EQ(ToUtf8(LoadPatdatSetting(settings().parent_path())), ToUtf8(expected));
  EXPECT_EQ(outcome.out, "PatdatV5.ini に " + ToUtf8(expected) + " を書きました。\n");
}

TEST_F(SavePatdatTest, RefusesAFolderWithoutTheSoilTable) {
  Outcome outcome = RunCli({u"--patdat", FromUtf8(patdat().string()), u"--save-patdat"});
  EXPECT_EQ(outcome.code, 1);
  EXPECT_NE(outcome.err.find("kishitu.txt がありません"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(settings()));
}

TEST_F(SavePatdatTest, SavesBeforeConverting) {
  std::ofstream(patdat() / "kishitu.txt") << "x";
  Outcome outcome = RunCli({u"--patdat", FromUtf8(patdat().string()), u"--save-patdat", u"--no",
                            FromUtf8((scratch_.path() / "missing.txt").string()),
                            FromUtf8((scratch_.path() / "out").string())});
  EXPECT_EQ(outcome.code, 1);  // the conversion stops; the setting stays
  EXPECT_TRUE(std::filesystem::exists(settings()));
}

// A batch exits 1 when any of its borings stopped, wherever it stands, and
// gives stems that differ only in letter case folders of their own, as
// Windows compares folder names.
TEST_F(SavePatdatTest, BatchExitCodeAndFoldersOfStemsInAnyCase) {
  const std::filesystem::path root = scratch_.path();
  std::filesystem::copy(std::filesystem::path(BORINGCONV_SOURCE_DIR) / "samples" / "patdat",
                        patdat(), std::filesystem::copy_options::recursive);
  std::filesystem::create_directories(root / "x");
  std::filesystem::create_directories(root / "y");
  std::ofstream(root / "x" / "B1.txt", std::ios::binary) << "QVN\r\n";
  std::ofstream(root / "y" / "b1.txt", std::ios::binary) << "QVN\r\n";
  std::ofstream(root / "bad.txt", std::ios::binary)
      << "QVN\r\n4000 1.00 1.30 20000 20000 0 1 1 1\r\n";
  const struct {
    std::vector<const char*> sources;
    int code;
    std::vector<const char*> folders;  // every folder made below out
  } cases[] = {{{"x/B1.txt", "y/b1.txt"}, 0, {"B1", "b1_2"}},
               {{"x/B1.txt", "bad.txt"}, 1, {"B1", "bad"}},
               {{"bad.txt", "y/b1.txt"}, 1, {"b1", "bad"}}};
  for (const auto& c : cases) {
    std::filesystem::remove_all(root / "out");
    Args args = {u"--patdat", FromUtf8(patdat().string()), u"--into",
                 FromUtf8((root / "out").string())};
    for (const char* source : c.sources) args.push_back(FromUtf8((root / source).string()));
    Outcome outcome = RunCli(args);
    EXPECT_EQ(outcome.code, c.code) << c.sources[0] << " " << outcome.err;
    std::vector<std::string> made;
    for (const auto& entry : std::filesystem::directory_iterator(root / "out")) {
      made.push_back(entry.path().filename().string());
    }
    std::sort(made.begin(), made.end());
    EXPECT_EQ(made, std::vector<std::string>(c.folders.begin(), c.folders.end())) << c.sources[0];
  }
}
#endif

}  // namespace
}  // namespace bc

#include "cli/command_line.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <memory>
#include <set>

#include "cli/terminal.h"
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
      {"svg preview", {u"--preview", u"b.SVG", u"a", u"b"}, u"a", u"b", u""},
      {"png preview",
       {u"--preview", u"b.png", u"a", u"b"},
       u"",
       u"",
       u"--preview は SVG だけを書きます (PNG は書けません)。名前を .svg にしてください: b.png"},
      {"other preview",
       {u"--preview", u"b.svg.txt", u"a", u"b"},
       u"",
       u"",
       u"--preview の名前は .svg で終えてください: b.svg.txt"},
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
  // What a console would show: the bytes are in the code page of the output.
  auto text = [](std::FILE* file) {
    return ToUtf8(DecodeFromCodePage(ReadBack(file), OutputCodePage()));
  };
  return {code, text(out.get()), text(err.get())};
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

// The user's settings folder, the one written, lies in a scratch folder.
class SavePatdatTest : public ::testing::Test {
 protected:
  SavePatdatTest() { std::filesystem::create_directories(patdat()); }
  std::filesystem::path patdat() const { return scratch_.path() / "tables"; }
  std::filesystem::path settings() const {
    return scratch_.path() / "config" / "boringconv" / "PatdatV5.ini";
  }

  testing::ScratchFolder scratch_;
  testing::ScopedVariable config_{testing::kUserConfigVariable,
                                  (scratch_.path() / "config").string()};
};

TEST_F(SavePatdatTest, SavesTheDrivePathOfAFolderWithTheSoilTable) {
  std::ofstream(patdat() / "KISHITU.TXT") << "x";
  Outcome outcome = RunCli({u"--patdat", FromUtf8(patdat().string()), u"--save-patdat"});
  EXPECT_EQ(outcome.code, 0) << outcome.err;
  std::u16string expected = *DriveMap::Default().ToDrivePath(patdat()) + u"\\";
  EXPECT_EQ(ToUtf8(LoadPatdatSetting(settings().parent_path())), ToUtf8(expected));
  EXPECT_EQ(outcome.out,
            ToUtf8(FromHostPath(settings())) + " に " + ToUtf8(expected) + " を書きました。\n");
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

#ifndef _WIN32
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
      if (entry.is_directory()) made.push_back(entry.path().filename().string());
    }
    std::sort(made.begin(), made.end());
    EXPECT_EQ(made, std::vector<std::string>(c.folders.begin(), c.folders.end())) << c.sources[0];
  }
}

// Whole runs of the sample under hostile names and destinations: every file
// written lies below the destination root (or is a table), never above it.
class HostileRunTest : public SavePatdatTest {
 protected:
  HostileRunTest() {
    std::filesystem::remove(patdat());
    std::filesystem::copy(kSamples / "patdat", patdat());
    std::filesystem::create_directories(scratch_.path() / "c" / "src");
  }
  std::u16string Host(const std::filesystem::path& path) const { return FromUtf8(path.string()); }
  Args Call(std::initializer_list<std::u16string> rest) const {
    Args args = {u"--patdat", Host(patdat()), u"--drive", u"C=" + Host(scratch_.path() / "c"),
                 u"--yes"};
    args.insert(args.end(), rest);
    return args;
  }
  // Every file below the scratch folder, outside the tables and the settings.
  std::set<std::string> Written() const {
    std::set<std::string> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(scratch_.path())) {
      std::string path = entry.path().lexically_relative(scratch_.path()).string();
      if (entry.is_regular_file() && !path.starts_with("tables") && !path.starts_with("config"))
        files.insert(path);
    }
    return files;
  }
  const std::filesystem::path kSamples = std::filesystem::path(BORINGCONV_SOURCE_DIR) / "samples";
};

TEST_F(HostileRunTest, BatchOfHostileNamesWritesOnlyBelowTheRoot) {
  const std::filesystem::path src = scratch_.path() / "c" / "src";
  for (const char* name :
       {"..txt", "...txt", "CON.txt", "nul.txt", "COM1.txt", "LPT9.txt", "x. .txt", "a:b.txt"}) {
    std::filesystem::copy_file(kSamples / "boring.txt", src / name);
  }
  Outcome outcome = RunCli(Call({u"--into", u"C:\\root\\..\\..\\out", Host(src)}));
  EXPECT_EQ(outcome.code, 0) << outcome.err;
  std::set<std::string> folders;
  for (const std::string& file : Written()) {
    if (file.starts_with("c/src/")) continue;
    ASSERT_TRUE(file.starts_with("c/out/")) << file;
    folders.insert(file.substr(6, file.find('/', 6) - 6));
  }
  EXPECT_EQ(folders, (std::set<std::string>{"_", "_2", "_CON", "_nul", "_COM1", "_LPT9", "x", "a_b",
                                            "変換結果.txt"}));
}

TEST_F(HostileRunTest, DestinationsNeverClimbAboveTheDrive) {
  std::filesystem::copy_file(kSamples / "boring.txt", scratch_.path() / "c" / "b.txt");
  for (const char16_t* destination : {u"C:\\..\\x", u"C:\\OUT\\..\\..\\..\\..\\escape"}) {
    Outcome outcome = RunCli(Call({u"C:\\b.txt", destination}));
    EXPECT_EQ(outcome.code, 0) << outcome.err;
  }
  for (const std::string& file : Written()) {
    EXPECT_TRUE(file.starts_with("c/x/") || file.starts_with("c/escape/") || file == "c/b.txt")
        << file;
  }
}

// A success text that cannot reach standard output is no success.
TEST_F(HostileRunTest, FailedWriteToStandardOutputIsAFailure) {
  std::filesystem::copy_file(kSamples / "boring.txt", scratch_.path() / "c" / "b.txt");
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> full(std::fopen("/dev/full", "w"), &std::fclose);
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> err(std::tmpfile(), &std::fclose);
  ASSERT_TRUE(full && err);
  EXPECT_EQ(RunCommandLine(Call({u"C:\\b.txt", u"C:\\out"}), full.get(), err.get()), 1);
  EXPECT_NE(ReadBack(err.get()).find("標準出力に書き込めません"), std::string::npos);
}
#endif

}  // namespace
}  // namespace bc

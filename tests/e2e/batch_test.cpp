// Many borings in one call: the same files and tables as converting them one
// at a time in the same order, a boring that stops in the middle, and the
// plain progress lines and summary when nothing is a terminal.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <utility>

#include "e2e/case_folder.h"
#include "e2e/same_files.h"
#include "support/section_fixture.h"
#include "text/utf8.h"

namespace bc::testing {
namespace {

namespace fs = std::filesystem;

std::string Quoted(const fs::path& path) { return "'" + path.string() + "'"; }

// Runs the program with args in folder; returns the exit code.
int RunProgram(const fs::path& folder, const std::string& args, std::string* output) {
  std::string command = "cd " + Quoted(folder) + " && XDG_CONFIG_HOME=config '" +
                        std::string(BORINGCONV_CLI) + "' " + args + " > log.txt 2>&1";
  int status = std::system(command.c_str());
  *output = ReadBytes(folder / "log.txt");
  return status == -1 ? -1 : WEXITSTATUS(status);
}

// Two copies of one tree: "one" for the batch, "two" for single runs. Each
// names its own folder drive D:, so that both give the same drive paths.
class BatchTest : public ::testing::Test {
 protected:
  BatchTest() {
    fs::path cases = BORINGCONV_CASES;
    for (const char* copy : {"one", "two"}) {
      fs::path tree = root() / copy;
      Source(tree / "in/a.txt", cases / "soil-dictionary-and-codes");
      Source(tree / "in/b.txt", cases / "site-review-sum-overflow");  // a number out of range
      Source(tree / "in/c.txt", cases / "tests-lugeon-readings-names");
      Source(tree / "in/sub/a.txt", cases / "site-samples-names-blows-n-scaled-exactly");
      Write(tree / "in/notes.txt", "not a boring\r\n");
      fs::copy(fs::path(BORINGCONV_SAMPLES) / "patdat", tree / "patdat",
               fs::copy_options::recursive);
    }
  }

  const fs::path& root() const { return scratch_.path(); }

  static void Write(const fs::path& file, const std::string& bytes) {
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << bytes;
  }
  static void Source(const fs::path& file, const fs::path& case_folder) {
    EXPECT_TRUE(fs::exists(case_folder / "source.txt")) << case_folder;
    Write(file, ToAnsiCrLf(ReadBytes(case_folder / "source.txt")));
  }

  ScratchFolder scratch_;
};

constexpr char kDrive[] = "--drive D=. --patdat 'D:\\patdat' ";

TEST_F(BatchTest, SameFilesAsOneAtATimeAndAStopDoesNotStopTheBatch) {
  std::string output;
  ASSERT_EQ(RunProgram(root() / "one", kDrive + std::string("--into 'D:\\out' in"), &output), 1)
      << output;
  EXPECT_EQ(FromUtf8(output),
            u"1/4 変換 in/a.txt -> D:\\out\\a\n"
            u"2/4 停止 in/b.txt -> D:\\out\\b\n"
            u"3/4 変換 in/c.txt -> D:\\out\\c\n"
            u"4/4 変換 in/sub/a.txt -> D:\\out\\a_2\n"
            u"変換 3 件、停止 1 件、警告 3 件\n"
            u"停止: in/b.txt: 変換元ファイルの 2 行目「4000 1.00 1.30 20000 20000 0 1 1 1」: "
            u"数値が扱える範囲（-32768～32767）を超えています。\n"
            u"変換先フォルダには、このボーリングの途中までのファイルだけが残っています。\n"
            u"警告: in/a.txt: 9 行目 3 番目の項目「x」は数値として 0 と読みました\n"
            u"警告: in/a.txt: 10 行目 3 番目の項目「x」は数値として 0 と読みました\n"
            u"警告: in/a.txt: 11 行目 3 番目の項目「x」は数値として 0 と読みました\n");

  const std::pair<const char*, const char*> singles[] = {
      {"a", "a"}, {"b", "b"}, {"c", "c"}, {"sub/a", "a_2"}};
  for (const auto& [source, folder] : singles) {
    RunProgram(root() / "two",
               kDrive + std::string("--yes in/") + source + ".txt 'D:\\out\\" + folder + "'",
               &output);
  }
  ExpectSameFiles(root() / "two" / "out", root() / "one" / "out");
  ExpectSameFiles(root() / "two" / "patdat", root() / "one" / "patdat");
}

TEST_F(BatchTest, ExitCodesAndPictures) {
  fs::path one = root() / "one";
  std::string output;
  EXPECT_EQ(RunProgram(one, "--patdat patdat --into out --previews svg in/a.txt in/c.txt", &output),
            0)
      << output;
  EXPECT_TRUE(fs::exists(one / "svg" / "a.svg"));
  EXPECT_TRUE(fs::exists(one / "svg" / "c.svg"));
  EXPECT_EQ(RunProgram(one, "--patdat patdat --into out", &output), 2);
  EXPECT_EQ(RunProgram(one, "--into out --preview x.svg in/a.txt", &output), 2);
  EXPECT_EQ(RunProgram(one, "--patdat patdat --into out no-such-folder", &output), 1);
}

// The batch makes each boring's folder before its run; a folder of the same
// name in another letter case is the boring's folder, as it is for a single
// run, and --no makes none.
TEST_F(BatchTest, BoringFoldersUnderAnyLetterCaseAndNoneWithNo) {
  fs::path one = root() / "one";
  fs::create_directories(one / "out" / "A");
  std::string output;
  ASSERT_EQ(RunProgram(one, "--patdat patdat --into out in/a.txt in/c.txt", &output), 0) << output;
  EXPECT_TRUE(fs::exists(one / "out" / "A" / "CNT.TXT"));
  EXPECT_FALSE(fs::exists(one / "out" / "a"));
  EXPECT_TRUE(fs::exists(one / "out" / "c" / "CNT.TXT"));

  EXPECT_EQ(RunProgram(one, "--no --patdat patdat --into out in/b.txt", &output), 1) << output;
  EXPECT_FALSE(fs::exists(one / "out" / "b"));
}

}  // namespace
}  // namespace bc::testing

#include "run/table_file.h"

#include <gtest/gtest.h>

#include <fstream>
#include <random>

#include "run/run_error.h"
#include "support/section_fixture.h"
#include "text/line_reader.h"

namespace bc {
namespace {

using testing::ReadBytes;
using testing::ScratchFolder;

void Write(const std::filesystem::path& file, const std::string& bytes) {
  std::ofstream(file, std::ios::binary) << bytes;
}

TEST(TableFileTest, LinesWhateverTheLineEnd) {
  // A table saved by an editor with bare LF line ends keeps its entries apart.
  EXPECT_EQ(SplitTableLines(" 1,a\n 2,b\r\n\r\n   \r\n 3,c\r 4\n"),
            (std::vector<std::u16string>{u" 1,a", u" 2,b", u"", u"   ", u" 3,c", u" 4"}));
  EXPECT_TRUE(SplitTableLines("").empty());
}

// The splitting of the bytes must agree with that of the decoded text,
// which the settings file is read with, for every mix of line ends.
TEST(TableFileTest, SplittingBytesAgreesWithSplittingText) {
  const char* pieces[] = {"a", "\x88", "\r", "\n", "\r\n", " "};
  std::mt19937 random(5);
  for (int round = 0; round < 3000; ++round) {
    std::string bytes;
    for (int n = static_cast<int>(random() % 7); n > 0; --n) bytes += pieces[random() % 6];
    LineReader reader;
    reader.OpenBytes(bytes);
    ASSERT_EQ(SplitTableLines(bytes), ReadLinesAnyEnd(reader)) << ::testing::PrintToString(bytes);
  }
}

TEST(TableFileTest, AppendEndsAnOpenLastLineFirst) {
  ScratchFolder dir;
  std::filesystem::path table = dir.path() / "L19.TXT";
  FileSystem& fs = FileSystem::Default();
  Write(table, " 1,a");
  AppendTableLine(fs, table, u"P:\\L19.TXT", u" 2,b", nullptr);
  EXPECT_EQ(ReadBytes(table), " 1,a\r\n 2,b\r\n");
  Write(table, " 1,a\n");
  AppendTableLine(fs, table, u"P:\\L19.TXT", u" 2,b", nullptr);
  EXPECT_EQ(ReadBytes(table), " 1,a\n 2,b\r\n");
}

TEST(TableFileTest, MissingTableNamesTheFile) {
  ScratchFolder dir;
  try {
    ReadTableBytes(FileSystem::Default(), dir.path() / "L4.TXT", u"P:\\L4.TXT");
    FAIL() << "a missing table was read";
  } catch (const RunError& e) {
    EXPECT_NE(e.message().find(u"P:\\L4.TXT"), std::u16string::npos);
  }
}

}  // namespace
}  // namespace bc

#include "run/table_file.h"

#include <gtest/gtest.h>

#include <fstream>

#include "run/run_error.h"
#include "support/section_fixture.h"

namespace bc {
namespace {

using testing::ReadBytes;
using testing::ScratchFolder;

void Write(const std::filesystem::path& file, const std::string& bytes) {
  std::ofstream(file, std::ios::binary) << bytes;
}

TEST(TableFileTest, EntriesOnePerLineWhateverTheLineEnd) {
  ScratchFolder dir;
  std::filesystem::path table = dir.path() / "L19.TXT";
  // A table saved by an editor with bare LF line ends keeps its entries apart.
  Write(table, " 1,a\n 2,b\r\n\r\n   \r\n 3,c\r 4\n");  // blank lines hold no entry
  auto entries = ReadTableEntries(table, u"P:\\L19.TXT");
  ASSERT_EQ(entries.size(), 4u);
  EXPECT_EQ(entries[1], (std::vector<std::u16string>{u"2", u"b"}));
  EXPECT_EQ(entries[3], (std::vector<std::u16string>{u"4"}));
  EXPECT_EQ(ReadTableLines(table, u"P:\\L19.TXT"),
            (std::vector<std::u16string>{u" 1,a", u" 2,b", u"", u"   ", u" 3,c", u" 4"}));
}

TEST(TableFileTest, AppendEndsAnOpenLastLineFirst) {
  ScratchFolder dir;
  std::filesystem::path table = dir.path() / "L19.TXT";
  Write(table, " 1,a");
  AppendTableLine(table, u"P:\\L19.TXT", u" 2,b");
  EXPECT_EQ(ReadBytes(table), " 1,a\r\n 2,b\r\n");
  Write(table, " 1,a\n");
  AppendTableLine(table, u"P:\\L19.TXT", u" 2,b");
  EXPECT_EQ(ReadBytes(table), " 1,a\n 2,b\r\n");
}

TEST(TableFileTest, MissingTableNamesTheFile) {
  ScratchFolder dir;
  try {
    ReadTableEntries(dir.path() / "L4.TXT", u"P:\\L4.TXT");
    FAIL() << "a missing table was read";
  } catch (const RunError& e) {
    EXPECT_NE(e.message().find(u"P:\\L4.TXT"), std::u16string::npos);
  }
}

}  // namespace
}  // namespace bc

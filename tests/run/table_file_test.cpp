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

#include "environment/folder_entries.h"

#include <gtest/gtest.h>

#include <fstream>

#include "support/section_fixture.h"

namespace bc {
namespace {

#ifndef _WIN32
TEST(FolderEntriesTest, FindsEntriesOfAnyLetterCaseAndRemembersNewOnes) {
  testing::ScratchFolder dir;
  std::ofstream(dir.path() / "x1.txt") << "old";
  FolderEntries entries(dir.path());
  EXPECT_EQ(entries.Entry(u"X1.TXT"), dir.path() / "x1.txt");  // replaced, not doubled
  EXPECT_EQ(entries.Entry(u"X5.TXT"), dir.path() / "X5.TXT");
  std::ofstream(dir.path() / "x3.txt") << "made after the folder was read";
  EXPECT_EQ(entries.Entry(u"x5.txt"), dir.path() / "X5.TXT");
  EXPECT_EQ(entries.Entry(u"R31.TXT"), dir.path() / "R31.TXT");
}
#endif

TEST(FolderEntriesTest, AMissingFolderGivesPlainNames) {
  testing::ScratchFolder dir;
  FolderEntries entries(dir.path() / "missing");
  EXPECT_EQ(entries.Entry(u"CNT.TXT"), dir.path() / "missing" / "CNT.TXT");
}

}  // namespace
}  // namespace bc

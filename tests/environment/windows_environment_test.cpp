// The Windows side of the environment: real drives, the system folder and
// the program's own folder. These hold on Windows only.
#ifdef _WIN32
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>

#include "environment/environment.h"
#include "environment/patdat_search.h"
#include "environment/settings.h"
#include "support/section_fixture.h"

namespace bc {
namespace {

// The drive of the scratch folder, a real drive.
char16_t ScratchDrive(const std::filesystem::path& scratch) {
  return FromHostPath(std::filesystem::absolute(scratch))[0];
}

char16_t AbsentDrive() {
  DWORD mask = GetLogicalDrives();
  for (int i = 25; i >= 0; --i) {
    if ((mask & (1u << i)) == 0) return static_cast<char16_t>(u'A' + i);
  }
  return 0;
}

TEST(WindowsDrivesTest, TheDefaultTableHoldsTheRealDrives) {
  testing::ScratchFolder scratch;
  DriveMap drives = DriveMap::Default();
  char16_t letter = ScratchDrive(scratch.path());
  EXPECT_NE(drives.Letters().find(letter), std::u16string::npos);
  EXPECT_TRUE(drives.IsRealDrive(letter));
  EXPECT_TRUE(drives.IsReady(letter));
  char16_t absent = AbsentDrive();
  ASSERT_NE(absent, 0);
  EXPECT_FALSE(drives.IsReady(absent));
  // A folder mapped in place of a letter is no real drive.
  drives.Map(letter, scratch.path());
  EXPECT_FALSE(drives.IsRealDrive(letter));
  EXPECT_TRUE(drives.IsReady(letter));
}

TEST(WindowsDrivesTest, ARealDriveBecomesTheProcesssCurrentDrive) {
  testing::ScratchFolder scratch;
  std::filesystem::path before = std::filesystem::current_path();
  Environment env(DriveMap::Default(), scratch.path());
  char16_t letter = ScratchDrive(scratch.path());
  ASSERT_TRUE(env.SetCurrentDrive(letter));
  EXPECT_EQ(env.current_drive(), letter);
  EXPECT_EQ(FromHostPath(std::filesystem::current_path())[0], letter);
  EXPECT_FALSE(env.SetCurrentDrive(AbsentDrive()));
  EXPECT_EQ(env.current_drive(), letter);  // unchanged
  std::filesystem::current_path(before);
}

TEST(WindowsDrivesTest, RealDrivePathsNeedNoMapping) {
  testing::ScratchFolder scratch;
  std::filesystem::create_directories(scratch.path() / "Sub");
  Environment env(DriveMap::Default(), scratch.path());
  std::u16string drive_path = FromHostPath(scratch.path() / "sub");
  EXPECT_TRUE(std::filesystem::equivalent(env.HostPath(drive_path), scratch.path() / "Sub"));
  EXPECT_EQ(env.drives().ToDrivePath(scratch.path() / "Sub"),
            std::optional<std::u16string>(
                FromHostPath(std::filesystem::absolute(scratch.path() / "Sub"))));
}

TEST(WindowsFoldersTest, SystemAndProgramFolders) {
  std::filesystem::path system = SystemFolder();
  EXPECT_TRUE(std::filesystem::is_directory(system)) << system;
  EXPECT_TRUE(system.is_absolute());
  std::filesystem::path program = ExecutableFolder();
  EXPECT_TRUE(std::filesystem::exists(program / "boringconv_tests.exe")) << program;
}

TEST(WindowsFoldersTest, ThePatdatWalkSkipsJunctionsAndLinks) {
  testing::ScratchFolder scratch;
  std::filesystem::create_directories(scratch.path() / "d" / "real" / "PATDAT");
  testing::WriteAnsiLines(scratch.path() / "d" / "real" / "PATDAT" / "kishitu.txt", {u"x"});
  std::filesystem::path link = scratch.path() / "d" / "a-link";
  if (!CreateSymbolicLinkW(link.c_str(), (scratch.path() / "d" / "real").c_str(),
                           SYMBOLIC_LINK_FLAG_DIRECTORY | 0x2 /* unprivileged */)) {
    GTEST_SKIP() << "this system makes no directory links";
  }
  // The program lives apart: the search never takes a folder below it.
  Environment env(DriveMap(), scratch.path() / "program");
  env.drives().Map(u'D', scratch.path() / "d");
  EXPECT_EQ(FindPatdatFolder(env, nullptr), u"D:\\real\\PATDAT\\");  // not D:\a-link\PATDAT\ .
}

}  // namespace
}  // namespace bc
#endif  // _WIN32

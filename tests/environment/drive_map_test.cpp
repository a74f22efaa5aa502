#include "environment/drive_map.h"

#include <gtest/gtest.h>

#include <fstream>

#include "environment/environment.h"
#include "support/section_fixture.h"

namespace bc {
namespace {

#ifndef _WIN32
TEST(DriveMapTest, HostPathsBecomeDrivePathsOfTheLongestRoot) {
  DriveMap map;
  map.Map(u'Z', "/");
  map.Map(u'C', "/srv/c");
  EXPECT_EQ(map.ToDrivePath("/srv/c/Q/ABCDEF/G"),
            std::optional<std::u16string>(u"C:\\Q\\ABCDEF\\G"));
  EXPECT_EQ(map.ToDrivePath("/srv/c"), std::optional<std::u16string>(u"C:\\"));
  EXPECT_EQ(map.ToDrivePath("/srv/cc/x"), std::optional<std::u16string>(u"Z:\\srv\\cc\\x"));
  DriveMap none;
  EXPECT_EQ(none.ToDrivePath("/tmp"), std::nullopt);
}
#else
TEST(DriveMapTest, HostPathsBecomeDrivePathsOfTheLongestRoot) {
  DriveMap map;
  map.Map(u'Z', "Y:\\");
  map.Map(u'C', "Y:\\srv\\c");
  EXPECT_EQ(map.ToDrivePath("Y:\\srv\\c\\Q\\ABCDEF\\G"),
            std::optional<std::u16string>(u"C:\\Q\\ABCDEF\\G"));
  EXPECT_EQ(map.ToDrivePath("Y:\\srv\\c"), std::optional<std::u16string>(u"C:\\"));
  EXPECT_EQ(map.ToDrivePath("Y:\\srv\\cc\\x"), std::optional<std::u16string>(u"Z:\\srv\\cc\\x"));
  DriveMap none;
  EXPECT_EQ(none.ToDrivePath("Y:\\tmp"), std::nullopt);
}
#endif

TEST(DriveMapTest, SpecsAndTableFiles) {
  testing::ScratchFolder scratch;
  DriveMap map;
  EXPECT_TRUE(map.MapSpec(u"d=" + FromHostPath(scratch.path())));
  EXPECT_TRUE(map.IsReady(u'D'));
  EXPECT_FALSE(map.IsReady(u'Q'));
  EXPECT_FALSE(map.MapSpec(u"1=/tmp"));
  EXPECT_FALSE(map.MapSpec(u"D"));

  std::ofstream(scratch.path() / "drives.ini")
      << "# drives\nE=" << scratch.path().string() << "\n\n";
  EXPECT_EQ(map.LoadFile(scratch.path() / "drives.ini"), std::nullopt);
  EXPECT_EQ(map.Letters(), u"DE");
  // The same table with CR LF line ends reads alike.
  DriveMap crlf;
  std::ofstream(scratch.path() / "crlf.ini", std::ios::binary)
      << "# drives\r\nE=" << scratch.path().string() << "\r\n\r\n";
  EXPECT_EQ(crlf.LoadFile(scratch.path() / "crlf.ini"), std::nullopt);
  EXPECT_EQ(crlf.Letters(), u"E");
  EXPECT_EQ(crlf.Root(u'E'), map.Root(u'E'));
  std::ofstream(scratch.path() / "bad.ini") << "E:/x\n";
  std::optional<std::u16string> problem = map.LoadFile(scratch.path() / "bad.ini");
  ASSERT_TRUE(problem);
  EXPECT_NE(problem->find(u"1 行目"), std::u16string::npos);
}

TEST(EnvironmentTest, HostPathIgnoresLetterCase) {
  testing::ScratchFolder scratch;
  std::filesystem::create_directories(scratch.path() / "PatDat");
  std::ofstream(scratch.path() / "PatDat" / "KISHITU.TXT") << "x";
  Environment env(DriveMap(), scratch.path());
  env.drives().Map(u'P', scratch.path());
#ifdef _WIN32
  // The file system itself ignores letter case.
  EXPECT_TRUE(std::filesystem::equivalent(env.HostPath(u"P:\\patdat\\kishitu.txt"),
                                          scratch.path() / "PatDat" / "KISHITU.TXT"));
#else
  EXPECT_EQ(env.HostPath(u"P:\\patdat\\kishitu.txt"), scratch.path() / "PatDat" / "KISHITU.TXT");
  EXPECT_EQ(env.HostPath(u"P:\\patdat\\new.txt"), scratch.path() / "PatDat" / "new.txt");
#endif
  EXPECT_EQ(env.HostPath(u"P:"), scratch.path());
  EXPECT_TRUE(env.HostPath(u"Q:\\x").empty());
  EXPECT_EQ(env.HostPath(u"rel\\file.txt"), std::filesystem::path("rel/file.txt"));
}

TEST(EnvironmentTest, RelativePathsStartAtTheWorkingFolder) {
  testing::ScratchFolder scratch;
  std::filesystem::create_directories(scratch.path() / "Data");
  Environment env(DriveMap(), scratch.path());
  env.drives().Map(u'P', scratch.path());
  env.SetWorkingFolder(u"P:\\Data");
  EXPECT_EQ(env.HostPath(u"b.txt"), scratch.path() / "Data" / "b.txt");
  EXPECT_EQ(env.HostPath(u"sub\\b.txt"), scratch.path() / "Data" / "sub" / "b.txt");
  EXPECT_EQ(env.HostPath(u"P:\\x"), scratch.path() / "x");  // drive paths as before
  env.SetWorkingFolder(u"P:\\");
  EXPECT_EQ(env.HostPath(u"b.txt"), scratch.path() / "b.txt");
  std::filesystem::create_directories(scratch.path() / "other");
  env.drives().Map(u'R', scratch.path() / "other");
  ASSERT_TRUE(env.SetCurrentDrive(u'R'));
#ifdef _WIN32
  // A path from the root lies on the current drive, as the process's own
  // current drive would have placed it.
  EXPECT_EQ(env.HostPath(u"\\x\\y.txt"), scratch.path() / "other" / "x" / "y.txt");
#else
  // A POSIX host path stays what it is.
  EXPECT_EQ(env.HostPath(u"/x/y.txt"), std::filesystem::path("/x/y.txt"));
#endif
  env.SetWorkingFolder(u"Q:\\gone");  // an unmapped drive maps nothing
  EXPECT_TRUE(env.HostPath(u"b.txt").empty());
}

}  // namespace
}  // namespace bc

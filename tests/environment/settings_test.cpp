#include "environment/settings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#include "environment/help_file.h"
#include "environment/patdat_search.h"
#include "support/section_fixture.h"

namespace bc {
namespace {

using testing::ScratchFolder;

using testing::WriteBytes;

TEST(LoadPatdatSettingTest, OnlyTheFirstItemOfLineTwoCounts) {
  ScratchFolder dir;
  WriteBytes(dir.path() / "PatdatV5.ini", "C:\\IGNORED\\\r\n  D:\\PATDAT\\ , other\r\n");
  EXPECT_EQ(LoadPatdatSetting(dir.path()), u"D:\\PATDAT\\");
  WriteBytes(dir.path() / "PatdatV5.ini", "[x]\r\n\"E:\\a,b\"\r\n");
  EXPECT_EQ(LoadPatdatSetting(dir.path()), u"E:\\a,b\\");  // never glued to table names
}

TEST(LoadPatdatSettingTest, EveryLineEndReadsAlike) {
  ScratchFolder dir;
  for (const char* end : {"\r\n", "\n", "\r"}) {
    SCOPED_TRACE(::testing::PrintToString(end));
    std::string e = end;
    WriteBytes(dir.path() / "PatdatV5.ini", "[PATDAT]" + e + "D:\\PATDAT\\" + e);
    EXPECT_EQ(LoadPatdatSetting(dir.path()), u"D:\\PATDAT\\");
    WriteBytes(dir.path() / "PatdatV5.ini", "[PATDAT]" + e + "D:\\PATDAT");  // no last line end
    EXPECT_EQ(LoadPatdatSetting(dir.path()), u"D:\\PATDAT\\");
    WriteBytes(dir.path() / "PatdatV5.ini", "D:\\PATDAT\\" + e);  // the folder must be on line 2
    EXPECT_EQ(LoadPatdatSetting(dir.path()), u"");
  }
}

TEST(LoadPatdatSettingTest, MissingShortAndEmptyFilesGiveNothing) {
  ScratchFolder dir;
  EXPECT_EQ(LoadPatdatSetting(dir.path()), u"");
  EXPECT_FALSE(std::filesystem::exists(dir.path() / "PatdatV5.ini"));
  WriteBytes(dir.path() / "PatdatV5.ini", "only one line\r\n");
  EXPECT_EQ(LoadPatdatSetting(dir.path()), u"");
  WriteBytes(dir.path() / "PatdatV5.ini", "");
  EXPECT_EQ(LoadPatdatSetting(dir.path()), u"");
  EXPECT_FALSE(std::filesystem::exists(dir.path() / "PatdatV5.ini"));  // deleted
}

TEST(SavePatdatSettingTest, WritesTheFormItReadsBack) {
  ScratchFolder dir;
  std::filesystem::path folder = dir.path() / "new" / "settings";
  ASSERT_TRUE(SavePatdatSetting(folder, u"D:\\パタ"));
  // Read and closed: Windows replaces no file that is open.
  EXPECT_EQ(testing::ReadBytes(folder / "PatdatV5.ini"), "[PATDAT]\r\nD:\\\x83\x70\x83\x5e\\\r\n");
  EXPECT_EQ(LoadPatdatSetting(folder), u"D:\\パタ\\");
  ASSERT_TRUE(SavePatdatSetting(folder, u"E:\\a,b\\"));
  EXPECT_EQ(LoadPatdatSetting(folder), u"E:\\a,b\\");
  EXPECT_FALSE(std::filesystem::exists(folder / "PatdatV5.ini.new"));
}

// The user's settings come first; the machine's serve where the user has
// none, for the pattern-data folder and the drive table alike.
TEST(SettingsFoldersTest, TheUsersFolderFirstThenTheMachines) {
  ScratchFolder dir;
  std::vector<std::filesystem::path> folders = {dir.path() / "user", dir.path() / "machine"};
  for (const std::filesystem::path& folder : folders) std::filesystem::create_directories(folder);
  testing::WriteAnsiLines(folders[1] / "PatdatV5.ini", {u"", u"M:\\PAT"});
  EXPECT_EQ(LoadPatdatSetting(folders), u"M:\\PAT\\");
  testing::WriteAnsiLines(folders[0] / "PatdatV5.ini", {u""});  // names nothing
  EXPECT_EQ(LoadPatdatSetting(folders), u"M:\\PAT\\");
  ASSERT_TRUE(SavePatdatSetting(folders[0], u"U:\\PAT"));
  EXPECT_EQ(LoadPatdatSetting(folders), u"U:\\PAT\\");

  WriteBytes(folders[1] / "drives.ini", "Q=" + (dir.path() / "q").string() + "\n");
  Environment env(DriveMap(), {});
  EXPECT_EQ(LoadEnvironment(folders, env), std::nullopt);
  EXPECT_EQ(env.drives().Root(u'Q'), std::optional(dir.path() / "q"));
  WriteBytes(folders[0] / "drives.ini", "not a drive\n");
  EXPECT_NE(LoadEnvironment(folders, env), std::nullopt);  // the user's table, wrong as it is
}

TEST(SettingsFoldersTest, SystemPrefixesAreTheInstalledFolders) {
  ScratchFolder dir;
  struct Case {
    std::filesystem::path folder;
    bool installed;
  } cases[] = {
#ifdef _WIN32
      {SystemFolder(), true},
      {std::filesystem::path(_wgetenv(L"ProgramFiles")) / "boringconv", true},
#else
      {"/usr/bin", true},
      {"/usr/local/bin", true},
      {"/opt/boringconv/bin", true},
      {"/usr/../home/u/bin", false},
      {"/usrlocal/bin", false},
#endif
      {dir.path(), false},
      {UserSettingsFolder(), false},
  };
  for (const Case& c : cases) EXPECT_EQ(UnderSystemPrefix(c.folder), c.installed) << c.folder;
}

class PatdatSearchTest : public ::testing::Test {
 protected:
  PatdatSearchTest() : env_(DriveMap(), scratch_.path() / "prog") {
    std::filesystem::create_directories(scratch_.path() / "prog");
    for (const char* drive : {"c", "d"})
      std::filesystem::create_directories(scratch_.path() / drive);
    env_.drives().Map(u'C', scratch_.path() / "c");
    env_.drives().Map(u'D', scratch_.path() / "d");
  }

  std::u16string Find() {
    return FindPatdatFolder(env_, [this](std::u16string_view folder) {
      visited_.emplace_back(folder);
      return true;
    });
  }

  ScratchFolder scratch_;
  Environment env_;
  std::vector<std::u16string> visited_;  // the walk reports every folder
};

TEST_F(PatdatSearchTest, FindsTheFirstFolderInWalkOrder) {
  EXPECT_EQ(Find(), u"");
  WriteBytes(scratch_.path() / "d" / "b" / "PATDAT" / "kishitu.txt", "x");
  WriteBytes(scratch_.path() / "d" / "a" / "x" / "PATDAT" / "kishitu.txt", "x");
  EXPECT_EQ(Find(), u"D:\\a\\x\\PATDAT\\");
  EXPECT_GT(visited_.size(), 3u);
  EXPECT_EQ(visited_.back(), u"D:\\a\\x\\");
  WriteBytes(scratch_.path() / "c" / "z" / "PATDAT" / "KISHITU.TXT", "x");
  EXPECT_EQ(Find(), u"C:\\z\\PATDAT\\");  // the letter nearest A wins
}

TEST_F(PatdatSearchTest, EmptyMarkersAndEmptyFirstFilesAreNoHits) {
  WriteBytes(scratch_.path() / "c" / "PATDAT" / "kishitu.txt", "");
  WriteBytes(scratch_.path() / "d" / "PATDAT" / "a.txt", "");
  WriteBytes(scratch_.path() / "d" / "PATDAT" / "kishitu.txt", "x");
  EXPECT_EQ(Find(), u"");
}

TEST_F(PatdatSearchTest, TheProgramsFolderComesFirst) {
  WriteBytes(scratch_.path() / "c" / "PATDAT" / "kishitu.txt", "x");
  WriteBytes(scratch_.path() / "prog" / "PATDAT" / "kishitu.txt", "x");
#ifdef _WIN32
  // A Windows host path is a drive path, and C: here is a scratch folder:
  // give the program's folder a drive of its own.
  env_.drives().Map(u'Y', scratch_.path() / "prog");
#endif
  std::u16string found = Find();
  EXPECT_EQ(found.substr(found.size() - 7), u"PATDAT\\");
  EXPECT_NE(found, u"C:\\PATDAT\\");
}

TEST_F(PatdatSearchTest, TheProgramsDriveBeforeLowerLetters) {
  WriteBytes(scratch_.path() / "c" / "PATDAT" / "kishitu.txt", "x");
  WriteBytes(scratch_.path() / "d" / "y" / "PATDAT" / "kishitu.txt", "x");
  Environment on_d(env_.drives(), scratch_.path() / "d" / "prog");
  std::filesystem::create_directories(on_d.program_folder());
  EXPECT_EQ(FindPatdatFolder(on_d, nullptr), u"D:\\y\\PATDAT\\");
}

TEST_F(PatdatSearchTest, CollectingStopsAtTheLimit) {
  for (const char* folder : {"a", "b", "c"})
    WriteBytes(scratch_.path() / "c" / folder / "PATDAT" / "kishitu.txt", "x");
  std::int16_t count = 0;
  std::vector<std::u16string> results;
  SearchPatdatTree(env_, u"C:\\PATDAT", count, results, u"\\kishitu.txt", nullptr, 2);
  EXPECT_EQ(count, 2);
  EXPECT_EQ(results, (std::vector<std::u16string>{u"C:\\a\\PATDAT\\", u"C:\\b\\PATDAT\\"}));
  count = 0;
  results.clear();
  SearchPatdatTree(env_, u"C:\\PATDAT", count, results, u"\\kishitu.txt", nullptr);
  EXPECT_EQ(count, 3);
}

// The bundled sample's tables and folders of the installation are not the
// user's to grow: the walk passes them over and takes the next.
TEST_F(PatdatSearchTest, NeverTakesTheSampleOrTheInstallation) {
  std::filesystem::path e = scratch_.path() / "e";
  Environment installed(env_.drives(), e / "inst" / "bin");
  installed.drives().Map(u'E', e);
  for (const char* folder :
       {"a/samples/patdat", "inst/bin/x/PATDAT", "inst/share/boringconv/PATDAT",
        "inst/share/doc/boringconv/samples/patdat", "z/PATDAT"}) {
    WriteBytes(e / folder / "kishitu.txt", "x");
  }
  WriteBytes(e / "a" / "samples" / "boring.txt", "QVN\r\n");
  WriteBytes(e / "inst" / "share" / "doc" / "boringconv" / "samples" / "boring.txt", "QVN\r\n");
  EXPECT_EQ(FindPatdatFolder(installed, nullptr), u"E:\\z\\PATDAT\\");
  std::filesystem::remove(e / "a" / "samples" / "boring.txt");  // a folder named so by the user
  EXPECT_EQ(FindPatdatFolder(installed, nullptr), u"E:\\a\\samples\\PATDAT\\");
  EXPECT_NE(PatdatFoundMessage(u"E:\\z\\PATDAT\\").find(u"E:\\z\\PATDAT\\"), std::u16string::npos);
}

TEST_F(PatdatSearchTest, ProgressCanStopTheWalk) {
  WriteBytes(scratch_.path() / "c" / "a" / "PATDAT" / "a.txt", "x");
  WriteBytes(scratch_.path() / "d" / "z" / "PATDAT" / "kishitu.txt", "x");
  std::vector<std::u16string> seen;
  auto stop_on_d = [&seen](std::u16string_view folder) {
    seen.emplace_back(folder);
    return folder[0] != u'D';
  };
  EXPECT_EQ(FindPatdatFolder(env_, stop_on_d), u"");
  EXPECT_EQ(seen.back(), u"D:\\");  // nothing after the refusal
  EXPECT_EQ(std::count(seen.begin(), seen.end(), u"D:\\"), 1);

  std::int16_t count = 0;
  std::vector<std::u16string> results;
  EXPECT_FALSE(SearchPatdatTree(env_, u"D:\\PATDAT", count, results, u"\\kishitu.txt",
                                [](std::u16string_view) { return false; }));
  EXPECT_TRUE(results.empty());
  EXPECT_TRUE(SearchPatdatTree(env_, u"D:\\PATDAT", count, results, u"\\kishitu.txt", nullptr));
  EXPECT_EQ(results, std::vector<std::u16string>{u"D:\\z\\PATDAT\\"});
}

TEST(PathHeadTest, UpToTheLastColonOrBackslash) {
  EXPECT_EQ(PathHead(u"D:\\PATDAT"), u"D:\\");
  EXPECT_EQ(PathHead(u"D:\\x\\PATDAT"), u"D:\\x\\");
  EXPECT_EQ(PathHead(u"D:PATDAT"), u"D:");
  EXPECT_EQ(PathHead(u"PATDAT"), u"");
}

TEST(LocateHelpFileTest, ProgramFolderThenPath) {
  ScratchFolder dir;
  // The default drives, so that Windows host paths (drive paths) resolve.
  Environment env(DriveMap::Default(), dir.path() / "prog");
  std::filesystem::create_directories(dir.path() / "prog");
  std::u16string help;
  std::u16string path =
      FromHostPath(dir.path() / "one") + u";" + FromHostPath(dir.path() / "two") + u"\\";
  EXPECT_FALSE(LocateHelpFile(env, path, help));
  EXPECT_EQ(help, u"");
  WriteBytes(dir.path() / "two" / "Lithomar.HLP", "x");
  EXPECT_TRUE(LocateHelpFile(env, path, help));
  EXPECT_EQ(help, FromHostPath(dir.path() / "two") + u"\\Lithomar.HLP");
  WriteBytes(dir.path() / "prog" / "Lithomar.HLP", "x");
  EXPECT_TRUE(LocateHelpFile(env, path, help));
  EXPECT_EQ(help, FromHostPath(dir.path() / "prog") + u"\\Lithomar.HLP");
}

TEST(LocateHelpPageTest, BesideTheProgramThenInstalledThenSourceTree) {
  ScratchFolder dir;
  std::filesystem::path program = dir.path() / "usr" / "bin";
  std::filesystem::path source_page = dir.path() / "src" / "data" / "help" / "index.html";
  std::filesystem::create_directories(program);
  EXPECT_EQ(LocateHelpPage(program, source_page), std::filesystem::path());
  EXPECT_EQ(LocateHelpPage(program, ""), std::filesystem::path());
  WriteBytes(source_page, "<html>");
  EXPECT_EQ(LocateHelpPage(program, source_page), source_page.lexically_normal());
  std::filesystem::path installed =
      dir.path() / "usr" / "share" / "boringconv" / "help" / "index.html";
  WriteBytes(installed, "<html>");
  EXPECT_EQ(LocateHelpPage(program, source_page), installed.lexically_normal());
  WriteBytes(program / "help" / "index.html", "<html>");
  EXPECT_EQ(LocateHelpPage(program, source_page),
            (program / "help" / "index.html").lexically_normal());
  // A folder by that name is no page.
  std::filesystem::remove(program / "help" / "index.html");
  std::filesystem::create_directories(program / "help" / "index.html");
  EXPECT_EQ(LocateHelpPage(program, source_page), installed.lexically_normal());
}

TEST(LocateHelpFileTest, PathElementsGetABackslash) {
  EXPECT_EQ(PathFolders(u"a;b\\;;c"), (std::vector<std::u16string>{u"a\\", u"b\\", u"\\", u"c\\"}));
  EXPECT_TRUE(PathFolders(u"").empty());
}

}  // namespace
}  // namespace bc

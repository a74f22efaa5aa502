#include "soil/soil_dictionary.h"

#include <gtest/gtest.h>

#include <fstream>

#include "environment/settings.h"
#include "run/run_error.h"
#include "support/scoped_variable.h"
#include "support/section_fixture.h"
#include "text/free_format.h"

namespace bc {
namespace {

using Lines = std::vector<std::u16string>;

std::vector<std::vector<std::u16string>> Entries(const Lines& lines) {
  std::vector<std::vector<std::u16string>> entries;
  for (const std::u16string& line : lines) entries.push_back(ReadFreeFormatItems(line));
  return entries;
}

class SoilDictionaryTest : public ::testing::Test {
 protected:
  std::filesystem::path Marker() { return f.env().program_folder() / "PATADD.txt"; }

  testing::SectionFixture f;
};

TEST(SearchSoilBandTest, LongestNameWinsAndTheFirstAmongEquals) {
  auto entries = Entries({u"2001,砂", u"2002,砂礫（礫径大）,a,b,c,0007", u"2003,シル",
                          u"2004,シルト", u"2005,シルト", u"5001,砂礫混じりシルト"});
  SoilBandMatch match = SearchSoilBand(entries, 999, 4000, u"砂礫混じりシルト");
  EXPECT_TRUE(match.found);
  EXPECT_EQ(match.entry.code, u"2004");
  EXPECT_EQ(match.length, 3u);
  EXPECT_FALSE(match.IsExact(u"砂礫混じりシルト"));

  match = SearchSoilBand(entries, 999, 4000, u"砂礫");
  EXPECT_TRUE(match.IsExact(u"砂礫"));
  EXPECT_EQ(match.entry.name, u"砂礫");  // the remark is not part of the name
  EXPECT_EQ(match.entry.attributes[0], u"a");
  EXPECT_EQ(match.entry.attributes[3], u"0007");

  // Bounds are exclusive; an empty name or description never matches.
  EXPECT_FALSE(SearchSoilBand(Entries({u"4000,砂", u"999,砂"}), 999, 4000, u"砂").found);
  EXPECT_FALSE(SearchSoilBand(Entries({u"2000,（備考）"}), 999, 4000, u"粘土").found);
  EXPECT_FALSE(SearchSoilBand(entries, 999, 4000, u"").found);
}

TEST_F(SoilDictionaryTest, BandsAreSearchedFrom5000FirstAndAnExactMatchWritesNothing) {
  Lines main = {u"300,砂,,,,0000", u"1500,砂,,,,0000", u"5100,砂,,,,0000"};
  f.WritePatdat(u"KISHITU.TXT", main);
  f.WritePatdat(u"XKISHITU.TXT", {});
  RunContext& ctx = f.Start({u"2000 1 砂"});
  EXPECT_EQ(FindSoilPattern(ctx, u"砂"), u"5100");
  EXPECT_EQ(f.PatdatLines(u"KISHITU.TXT"), main);
  EXPECT_FALSE(std::filesystem::exists(Marker()));
}

TEST_F(SoilDictionaryTest, PartialMatchAddsAnEntryBeforeTheFirstCodeOf4000) {
  f.WritePatdat(u"KISHITU.TXT", {u"2100,砂,,,,0000"});
  // The new code follows 2001, the last code before 5000, and so repeats 2002.
  f.WritePatdat(u"XKISHITU.TXT", {u"2000,礫", u"2001,粘土", u"5000,岩", u"2002,泥"});
  RunContext& ctx = f.Start({u"2000 1 x"});
  EXPECT_EQ(FindSoilPattern(ctx, u"細砂"), u"2002");
  EXPECT_EQ(
      f.PatdatLines(u"XKISHITU.TXT"),
      (Lines{u"2000,礫", u"2001,粘土", u"2002,細砂,    ,    ,    ,0000", u"5000,岩", u"2002,泥"}));
  EXPECT_EQ(f.PatdatLines(u"KISHITU.TXT"),
            (Lines{u"2100,砂,,,,0000", u"2002,細砂,    ,    ,    ,0000"}));
  EXPECT_TRUE(std::filesystem::exists(Marker()));
  EXPECT_FALSE(std::filesystem::exists(f.PatdatPath(u"XKISHITU.TMP")));
  // The same description is now found in the main list.
  EXPECT_EQ(FindSoilPattern(ctx, u"細砂"), u"2002");
  EXPECT_EQ(f.PatdatLines(u"KISHITU.TXT").size(), 2u);
}

TEST_F(SoilDictionaryTest, NewCodesStartAt2000) {
  f.WritePatdat(u"KISHITU.TXT", {});
  f.WritePatdat(u"XKISHITU.TXT", {u"500,a", u"6000,b"});
  RunContext& ctx = f.Start({u"2000 1 x"});
  EXPECT_EQ(FindSoilPattern(ctx, u"玉石"), u"2000");
  EXPECT_EQ(f.PatdatLines(u"XKISHITU.TXT"),
            (Lines{u"500,a", u"2000,玉石,    ,    ,    ,0000", u"6000,b"}));

  // An empty list takes the entry as its only line; an empty description
  // never matches, so it is added again each time.
  // The run owns its tables once read; a changed file is seen by the next run.
  f.WritePatdat(u"XKISHITU.TXT", {});
  RunContext& next = f.Start({u"2000 1 x"});
  EXPECT_EQ(FindSoilPattern(next, u""), u"2000");
  EXPECT_EQ(FindSoilPattern(next, u""), u"2001");
  EXPECT_EQ(f.PatdatLines(u"XKISHITU.TXT"),
            (Lines{u"2000,,    ,    ,    ,0000", u"2001,,    ,    ,    ,0000"}));
}

TEST_F(SoilDictionaryTest, BlankLinesDoNotResetTheRunningCode) {
  f.WritePatdat(u"KISHITU.TXT", {});
  f.WritePatdat(u"XKISHITU.TXT", {u"2000,a", u"2001,b", u""});
  RunContext& ctx = f.Start({u"2000 1 x"});
  EXPECT_EQ(FindSoilPattern(ctx, u"c"), u"2002");
}

TEST_F(SoilDictionaryTest, DescriptionWithParenthesisIsAddedEveryTime) {
  f.WritePatdat(u"KISHITU.TXT", {});
  f.WritePatdat(u"XKISHITU.TXT", {u"2010,a"});
  RunContext& ctx = f.Start({u"2000 1 x"});
  EXPECT_EQ(FindSoilPattern(ctx, u"砂（細）"), u"2011");
  EXPECT_EQ(FindSoilPattern(ctx, u"砂（細）"), u"2012");
}

TEST_F(SoilDictionaryTest, ExtensionEntryIsPromotedOnceWithoutItsRemarkOrBlanks) {
  f.WritePatdat(u"KISHITU.TXT", {u"2100,砂,,,,0000"});
  Lines extension = {u"2003,シルト（有機質）,    ,    , AB ,0001"};
  f.WritePatdat(u"XKISHITU.TXT", extension);
  {
    std::ofstream marker(Marker(), std::ios::binary);
    marker << "kept";
  }
  RunContext& ctx = f.Start({u"2000 1 x"});
  EXPECT_EQ(FindSoilPattern(ctx, u"シルト"), u"2003");
  EXPECT_EQ(FindSoilPattern(ctx, u"シルト"), u"2003");
  EXPECT_EQ(f.PatdatLines(u"KISHITU.TXT"), (Lines{u"2100,砂,,,,0000", u"2003,シルト,,,AB,0001"}));
  EXPECT_EQ(f.PatdatLines(u"XKISHITU.TXT"), extension);
  EXPECT_EQ(testing::ReadBytes(Marker()), "kept");
}

TEST_F(SoilDictionaryTest, APartialMatchInOneBandDoesNotHideAnExactOneInTheNext) {
  Lines main = {u"5001,砂,,,,0000", u"1500,砂礫,,,,0000"};
  f.WritePatdat(u"KISHITU.TXT", main);
  f.WritePatdat(u"XKISHITU.TXT", {u"6000,b"});
  RunContext& ctx = f.Start({u"2000 1 x"});
  EXPECT_EQ(FindSoilPattern(ctx, u"砂礫"), u"1500");
  EXPECT_EQ(f.PatdatLines(u"KISHITU.TXT"), main);
  // Only codes of 4000 and above: the new entry comes first, as 2000.
  EXPECT_EQ(FindSoilPattern(ctx, u"玉石"), u"2000");
  EXPECT_EQ(f.PatdatLines(u"XKISHITU.TXT"), (Lines{u"2000,玉石,    ,    ,    ,0000", u"6000,b"}));
}

TEST_F(SoilDictionaryTest, MarkerInAnotherLetterCaseIsLeftAlone) {
  f.WritePatdat(u"KISHITU.TXT", {});
  f.WritePatdat(u"XKISHITU.TXT", {});
  std::filesystem::path other = f.env().program_folder() / "patadd.TXT";
  {
    std::ofstream marker(other, std::ios::binary);
    marker << "kept";
  }
  RunContext& ctx = f.Start({u"2000 1 x"});
  EXPECT_EQ(FindSoilPattern(ctx, u"砂"), u"2000");
  EXPECT_EQ(testing::ReadBytes(other), "kept");
  // No second marker beside it (compared by name: the file system may be case-blind).
  for (const auto& item : std::filesystem::directory_iterator(f.env().program_folder())) {
    EXPECT_NE(item.path().filename(), "PATADD.txt");
  }
}

#ifdef _WIN32
const std::filesystem::path kInstalledFolder = SystemFolder();
#else
const std::filesystem::path kInstalledFolder = "/usr/bin";
#endif

// A program folder that refuses the marker, or one under a system prefix,
// leaves it to the user's settings folder; only when neither takes it does
// the run stop.
TEST_F(SoilDictionaryTest, MarkerFallsBackToTheSettingsFolder) {
  std::filesystem::path scratch = f.env().program_folder();
  std::ofstream(scratch / "blocked") << "a file where a folder should be";
  struct Case {
    std::filesystem::path program;
    std::filesystem::path config;
    bool marked;
  } cases[] = {
      {scratch / "blocked", scratch / "config", true},
      {scratch / "blocked", scratch / "blocked" / "config", false},
      {kInstalledFolder, scratch / "config2", true},  // never beside an installed program
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.program.string() + " " + c.config.string());
    f.env() = Environment(f.env().drives(), c.program);
    testing::ScopedVariable variable(testing::kUserConfigVariable, c.config.string());
    f.WritePatdat(u"KISHITU.TXT", {});
    f.WritePatdat(u"XKISHITU.TXT", {});
    RunContext& ctx = f.Start({u"2000 1 x"});
    if (c.marked) {
      EXPECT_EQ(FindSoilPattern(ctx, u"砂"), u"2000");
      EXPECT_TRUE(std::filesystem::exists(c.config / "boringconv" / "PATADD.txt"));
    } else {
      EXPECT_THROW(FindSoilPattern(ctx, u"砂"), RunError);
    }
  }
}

TEST_F(SoilDictionaryTest, UsedUpCodesStopTheRunAndWriteNothing) {
  const Lines full_lists[] = {
      {u"3998,a,    ,    ,    ,0000", u"3999,b,    ,    ,    ,0000"},
      {u"3999,b,    ,    ,    ,0000", u"5000,c,    ,    ,    ,0000"},
      {u"3999.6,b,    ,    ,    ,0000"},  // rounds to 4000
  };
  for (const Lines& extension : full_lists) {
    f.WritePatdat(u"KISHITU.TXT", {u"1001,粘土,H101,C031,S101,0101"});
    f.WritePatdat(u"XKISHITU.TXT", extension);
    RunContext& ctx = f.Start({u"2000 1 x"});
    try {
      FindSoilPattern(ctx, u"新しい土");
      FAIL() << "expected RunError";
    } catch (const RunError& error) {
      EXPECT_TRUE(error.at_current_line());
      EXPECT_NE(error.message().find(u"XKISHITU.TXT"), std::u16string::npos);
      EXPECT_NE(error.message().find(u"2000～3999"), std::u16string::npos);
    }
    EXPECT_EQ(f.PatdatLines(u"XKISHITU.TXT"), extension);
    EXPECT_EQ(f.PatdatLines(u"KISHITU.TXT"), Lines{u"1001,粘土,H101,C031,S101,0101"});
    EXPECT_FALSE(std::filesystem::exists(Marker()));
  }
  // The last free code is still given.
  f.WritePatdat(u"XKISHITU.TXT", {u"3998,a,    ,    ,    ,0000"});
  EXPECT_EQ(FindSoilPattern(f.Start({u"2000 1 x"}), u"新しい土"), u"3999");
}

TEST_F(SoilDictionaryTest, MissingListStopsTheRun) {
  f.WritePatdat(u"KISHITU.TXT", {});
  RunContext& ctx = f.Start({u"2000 1 x"});
  try {
    FindSoilPattern(ctx, u"砂");
    FAIL() << "expected RunError";
  } catch (const RunError& error) {
    EXPECT_NE(error.message().find(u"XKISHITU.TXT"), std::u16string::npos);
  }
}

}  // namespace
}  // namespace bc

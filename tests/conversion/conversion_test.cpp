#include "conversion/conversion.h"

#include <gtest/gtest.h>

#include <fstream>
#include <set>

#include "support/recording_ui.h"
#include "support/section_fixture.h"
#include "text/utf8.h"

namespace bc {
namespace {

using testing::ReadAnsiLines;
using testing::ReadBytes;
using testing::RecordingUi;
using testing::ScratchFolder;
using testing::WriteAnsiLines;

constexpr char16_t kSuccess[] = u"変換が正常に終了しました。";

// Drive C: and a pattern-data folder P: with empty code tables.
class ConversionTest : public ::testing::Test {
 protected:
  ConversionTest() : env_(DriveMap(), scratch_.path()) {
    std::filesystem::create_directories(scratch_.path() / "c");
    std::filesystem::create_directories(scratch_.path() / "p");
    env_.drives().Map(u'C', scratch_.path() / "c");
    env_.drives().Map(u'P', scratch_.path() / "p");
    for (const char* table :
         {"L1.TXT", "L4.TXT", "L8.TXT", "L10.TXT", "L100.TXT", "KISHITU.TXT", "XKISHITU.TXT",
          "L13.TXT", "L14.TXT", "L15.TXT", "L16.TXT", "L17.TXT"}) {
      WriteAnsiLines(scratch_.path() / "p" / table, {});
    }
  }

  bool Run(const std::vector<std::u16string>& source, std::u16string destination = u"C:\\out",
           bool strict = false) {
    WriteAnsiLines(scratch_.path() / "c" / "b.txt", source);
    return RunConversion({u"C:\\b.txt", destination, u"P:\\", strict}, env_, ui_);
  }

  bool RunBytes(const std::string& bytes, bool strict = false) {
    std::ofstream(scratch_.path() / "c" / "b.txt", std::ios::binary | std::ios::trunc) << bytes;
    return RunConversion({u"C:\\b.txt", u"C:\\out", u"P:\\", strict}, env_, ui_);
  }

  // The names in the destination folder.
  std::set<std::string> OutNames() const {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(scratch_.path() / "c" / "out")) {
      names.insert(entry.path().filename().string());
    }
    return names;
  }

  // Files an earlier boring left, and files of the user's own.
  void LeaveEarlierBoring() {
    std::filesystem::create_directories(scratch_.path() / "c" / "out");
    for (const char* name : {"X5.TXT", "x1.txt", "LUGON_3.GRA", "lugon_12.hed", "R72.TXT",
                             "notes.txt", "X5.TXT.bak", "LUGON_A.HED"}) {
      std::ofstream(Out(name)) << "earlier";
    }
  }

  std::filesystem::path Out(const char* name) const { return scratch_.path() / "c" / "out" / name; }

  ScratchFolder scratch_;
  Environment env_;
  RecordingUi ui_;
};

TEST_F(ConversionTest, WrongTagStopsBeforeAnyOutput) {
  EXPECT_FALSE(Run({u"XQVN", u"2000 1 a"}));
  ASSERT_EQ(ui_.messages.size(), 1u);
  EXPECT_EQ(ui_.messages[0].text, u"選択された変換元ファイルは違います。");
  EXPECT_EQ(ui_.messages[0].title, u"C:\\b.txt");
  EXPECT_EQ(ui_.status(), u"");
  EXPECT_FALSE(std::filesystem::exists(scratch_.path() / "c" / "out"));
  EXPECT_TRUE(ui_.busy.empty());
}

TEST_F(ConversionTest, MissingSourceIsAWrongTag) {
  EXPECT_FALSE(RunConversion({u"C:\\none.txt", u"C:\\out", u"P:\\"}, env_, ui_));
  ASSERT_EQ(ui_.messages.size(), 1u);  // the tag is checked before the folders
  EXPECT_EQ(ui_.messages[0].text, u"選択された変換元ファイルは違います。");
}

TEST_F(ConversionTest, EmptySourceBoxIsReported) {
  EXPECT_FALSE(RunConversion({u"  ", u"C:\\out", u"P:\\"}, env_, ui_));
  ASSERT_EQ(ui_.messages.size(), 1u);
  EXPECT_EQ(ui_.messages[0].text, u"変換元ファイルが選択されていません。");
  EXPECT_EQ(ui_.messages[0].style, MessageStyle::kOk);
}

TEST_F(ConversionTest, RejectedDestinationNamesTheTypedText) {
  EXPECT_FALSE(Run({u"QVN"}, u"out\\x"));
  ASSERT_EQ(ui_.messages.size(), 2u);
  EXPECT_EQ(ui_.messages[0].style, MessageStyle::kInformation);  // the drive-letter message
  EXPECT_EQ(ui_.messages[1].text, u"指定されたパスは正しくありません。");
  EXPECT_EQ(ui_.messages[1].style, MessageStyle::kExclamation);
  EXPECT_EQ(ui_.messages[1].title, u"out\\x");
  EXPECT_EQ(ui_.focus_requests, 1);
}

TEST_F(ConversionTest, AsksOnceAndCreatesTheMissingFolders) {
  std::filesystem::create_directories(scratch_.path() / "c" / "A");
  EXPECT_TRUE(Run({u"QVN"}, u"C:\\A\\B\\C"));
  ASSERT_EQ(ui_.messages.size(), 1u);
  EXPECT_EQ(ui_.messages[0].text, u"ﾌｫﾙﾀﾞがありません。新規作成しますか？");
  EXPECT_EQ(ui_.messages[0].style, MessageStyle::kYesNoQuestion);
  EXPECT_TRUE(std::filesystem::is_directory(scratch_.path() / "c" / "A" / "B" / "C"));
  EXPECT_EQ(ui_.status(), kSuccess);
}

TEST_F(ConversionTest, NoToTheFolderQuestionStops) {
  ui_.answer = Answer::kNo;
  EXPECT_FALSE(Run({u"QVN"}, u"C:\\A"));
  EXPECT_FALSE(std::filesystem::exists(scratch_.path() / "c" / "A"));
  EXPECT_EQ(ui_.status(), u"");
}

TEST_F(ConversionTest, SourceEndingInTheHeaderStillWritesTheTitles) {
  EXPECT_TRUE(Run({u"QVN", u"1000 東京都", u"1001 _港区"}));
  EXPECT_EQ(ReadAnsiLines(Out("TITL01.TXT"))[0], u"東京都 港区");
  EXPECT_EQ(ReadAnsiLines(Out("TITL02.TXT"))[19], u"-999.00");
  EXPECT_TRUE(std::filesystem::exists(Out("CNT.TXT")));
  EXPECT_FALSE(std::filesystem::exists(Out("X1.TXT")));
  EXPECT_EQ(ui_.status(), kSuccess);
  EXPECT_EQ(ui_.busy, (std::vector<bool>{true, false}));
}

TEST_F(ConversionTest, DeepestLayerGoesToTheSecondTitle) {
  EXPECT_TRUE(Run({u"QVN", u"1003 x", u"2000 1.5 a", u"2000 12.25 b", u"2000 3 c", u"2001 1"}));
  EXPECT_EQ(ReadAnsiLines(Out("TITL02.TXT"))[19], u"  12.25");
  EXPECT_EQ(ReadAnsiLines(Out("TITL01.TXT"))[1], u"x");
}

TEST_F(ConversionTest, HeaderRecordsSeeTheFieldsTheFirstPassLeft) {
  // The first pass ends on the 2001 record; the short 1004 record then
  // reads its field 2.
  EXPECT_TRUE(Run({u"QVN", u"1004", u"2000 1.0 砂", u"2001 1.0 0 砂 A B C D E 0 0"}));
  EXPECT_EQ(ReadAnsiLines(Out("TITL02.TXT"))[0], u"1.0");
  // Without any record after the header, the tag line's fields are left.
  EXPECT_TRUE(Run({u"QVN 5.0 B-1", u"1004"}));
  EXPECT_EQ(ReadAnsiLines(Out("TITL02.TXT"))[0], u"5.0");
}

TEST_F(ConversionTest, FullTablesAreReportedOnceAfterSuccess) {
  WriteAnsiLines(scratch_.path() / "p" / "L13.TXT", {u"99,灰"});
  WriteAnsiLines(scratch_.path() / "p" / "L16.TXT", {u"99,礫"});
  EXPECT_TRUE(Run({u"QVN", u"2001 1 0 x 黒 _ _ 砂 _", u"2001 2 0 x 白～黒 _ _ 砂 _"}));
  EXPECT_EQ(ui_.status(), kSuccess);
  ASSERT_EQ(ui_.warnings.size(), 1u);
  ASSERT_EQ(ui_.warnings[0].size(), 2u);
  EXPECT_EQ(ui_.warnings[0][0].rfind(u"P:\\L13.TXT: ", 0), 0u);
  EXPECT_NE(ui_.warnings[0][0].find(u" 3 件"), std::u16string::npos);
  EXPECT_EQ(ui_.warnings[0][1].rfind(u"P:\\L16.TXT: ", 0), 0u);
  EXPECT_NE(ui_.warnings[0][1].find(u" 2 件"), std::u16string::npos);
  ASSERT_EQ(ui_.messages.size(), 1u);  // only the folder question
  EXPECT_EQ(ui_.messages[0].style, MessageStyle::kYesNoQuestion);
}

TEST_F(ConversionTest, NoWarningsWithoutFullTablesOrAfterAStop) {
  EXPECT_TRUE(Run({u"QVN", u"2001 1 0 x 黒"}));
  EXPECT_TRUE(ui_.warnings.empty());
  WriteAnsiLines(scratch_.path() / "p" / "L13.TXT", {u"99,灰"});
  // The run stops at the line of 101 fields after a name went without code.
  std::u16string overlong = u"2001";
  for (int i = 0; i < 100; ++i) overlong += u" 1";
  EXPECT_FALSE(Run({u"QVN", u"2001 1 0 x 黒", overlong}));
  EXPECT_TRUE(ui_.warnings.empty());
}

TEST_F(ConversionTest, SourceWithoutLaterRecordsConvertsNormally) {
  EXPECT_TRUE(Run({u"QVN", u"1003 x", u"2000 1.5 a"}));
  EXPECT_EQ(ReadAnsiLines(Out("TITL02.TXT"))[19], u"   1.50");
  EXPECT_EQ(ui_.status(), kSuccess);
}

TEST_F(ConversionTest, MissingTableStopsWithItsName) {
  std::filesystem::remove(scratch_.path() / "p" / "L8.TXT");
  EXPECT_FALSE(Run({u"QVN", u"1003 x"}));
  ASSERT_FALSE(ui_.messages.empty());
  EXPECT_NE(ui_.messages.back().text.find(u"P:\\L8.TXT"), std::u16string::npos);
  EXPECT_EQ(ui_.status(), u"");
  EXPECT_FALSE(std::filesystem::exists(Out("CNT.TXT")));
}

TEST_F(ConversionTest, OverlongLineStopsWithItsNumber) {
  std::u16string line = u"1003";
  for (int i = 0; i < 100; ++i) line += u" x";
  EXPECT_FALSE(Run({u"QVN", u"1000 a", line}));
  ASSERT_FALSE(ui_.messages.empty());
  EXPECT_EQ(ui_.messages.back().text.find(u"変換元ファイルの 3 行目"), 0u);
  EXPECT_NE(ui_.status(), kSuccess);
}

// The sample section passes over the records 3050 to 3060 that nothing
// converts; the name pairs after them are converted.
TEST_F(ConversionTest, RecordsAfterSamplesUpTo3060ArePassedOver) {
  WriteAnsiLines(scratch_.path() / "p" / "L19.TXT", {});
  EXPECT_TRUE(Run({u"QVN", u"3040 1.00 2.00 D", u"3050 a", u"3060 b", u"3070 1.00 ＡＢ"}));
  EXPECT_EQ(ReadAnsiLines(Out("R30.TXT")), std::vector<std::u16string>{u"  1,   1.00, 1,ＡＢ,  ,"});
  EXPECT_EQ(ui_.status(), kSuccess);
}

TEST_F(ConversionTest, OutputGoesToTheValidatedFolder) {
  EXPECT_TRUE(Run({u"QVN", u"1003 x"}, u"  C:out  "));
  EXPECT_TRUE(std::filesystem::exists(Out("TITL01.TXT")));
}

TEST_F(ConversionTest, OneBoringPerFolder) {
  LeaveEarlierBoring();
  EXPECT_TRUE(Run({u"QVN", u"1003 x", u"2000 1.5 a"}));
  // The earlier boring's files are gone, whatever their letter case; the
  // user's own files stay; x1.txt is this boring's X1.TXT.
  EXPECT_EQ(OutNames(), (std::set<std::string>{"CNT.TXT", "TITL01.TXT", "TITL02.TXT", "x1.txt",
                                               "notes.txt", "X5.TXT.bak", "LUGON_A.HED"}));
  EXPECT_EQ(ReadAnsiLines(Out("x1.txt")).size(), 1u);
}

TEST_F(ConversionTest, StopAfterWritingClearsTheEarlierBoringAndSaysSo) {
  LeaveEarlierBoring();
  EXPECT_FALSE(Run({u"QVN", u"1003 x", u"2000 1.5 a", u"4000 1E39 2"}));
  ASSERT_FALSE(ui_.messages.empty());
  EXPECT_NE(ui_.messages.back().text.find(u"\n変換先フォルダには、このボーリングの途中までの"),
            std::u16string::npos);
  std::set<std::string> names = OutNames();
  for (const char* earlier : {"LUGON_3.GRA", "lugon_12.hed", "R72.TXT"}) {
    EXPECT_FALSE(names.contains(earlier)) << earlier;
  }
  for (const char* kept : {"notes.txt", "X5.TXT.bak", "LUGON_A.HED", "CNT.TXT", "x1.txt"}) {
    EXPECT_TRUE(names.contains(kept)) << kept;
  }
  EXPECT_NE(ReadBytes(Out("X5.TXT")), "earlier");  // the file the run stopped in
}

TEST_F(ConversionTest, StopBeforeWritingLeavesTheFolderAsItWas) {
  LeaveEarlierBoring();
  EXPECT_FALSE(Run({u"QVN", u"1003 x", u"2000 7.6O a"}, u"C:\\out", true));
  EXPECT_EQ(OutNames().size(), 8u);
  EXPECT_EQ(ui_.messages.back().text.find(u"変換先フォルダには"), std::u16string::npos);
}

TEST_F(ConversionTest, SuspiciousValuesWarnOrStopWhenStrict) {
  const std::u16string warning = u"警告: 3 行目 2 番目の項目「7.6O」は数値として 7.6 と読みました";
  EXPECT_FALSE(Run({u"QVN", u"1003 x", u"2000 7.6O a"}, u"C:\\out", true));
  ASSERT_EQ(ui_.messages.size(), 1u);  // before the folder question
  EXPECT_EQ(ui_.messages[0].style, MessageStyle::kError);
  EXPECT_NE(ui_.messages[0].text.find(u"\n" + warning), std::u16string::npos);
  EXPECT_FALSE(std::filesystem::exists(scratch_.path() / "c" / "out"));
  EXPECT_TRUE(ui_.warnings.empty());

  EXPECT_TRUE(Run({u"QVN", u"1003 x", u"2000 7.6O a"}));
  EXPECT_EQ(ui_.warnings, (std::vector<std::vector<std::u16string>>{{warning}}));
  EXPECT_EQ(ReadAnsiLines(Out("TITL02.TXT"))[19], u"   7.60");  // read as before
}

TEST_F(ConversionTest, SourceTheCodePageCannotHoldIsRefusedBeforeAnyWrite) {
  struct Case {
    std::string bytes;
    std::u16string message;
  } cases[] = {
      {"QVN\r\n1003 x\r\n1004 \xF0\x9F\x98\x80",
       u"変換元ファイルの 3 行目: 「😀」（U+1F600）は Shift_JIS にない文字のため"},
      {"QVN\r\n1003 \xE7\xA0\x82\r\n1004 \x82",
       u"変換元ファイルの 3 行目: Shift_JIS としても UTF-8 としても読めないバイトがあります。"},
      {"\x82QVN\r\n\xFF", u"選択された変換元ファイルは違います。"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(ToUtf8(c.message));
    ui_ = RecordingUi();
    EXPECT_FALSE(RunBytes(c.bytes));
    ASSERT_EQ(ui_.messages.size(), 1u);
    EXPECT_EQ(ui_.messages[0].text.find(c.message), 0u) << ToUtf8(ui_.messages[0].text);
    EXPECT_FALSE(std::filesystem::exists(scratch_.path() / "c" / "out"));
  }
}

TEST_F(ConversionTest, StopsQuoteTheFieldOrTheLine) {
  EXPECT_FALSE(Run({u"QVN", u"4000 1E39 2"}));
  EXPECT_EQ(
      ui_.messages.back().text.find(
          u"変換元ファイルの 2 行目 2 番目の項目「1E39」: 数値が単精度の範囲を超えています。"),
      0u);
  std::u16string overlong = u"1003";
  for (int i = 0; i < 100; ++i) overlong += u" x";
  EXPECT_FALSE(Run({u"QVN", overlong}));
  EXPECT_EQ(ui_.messages.back().text.find(
                u"変換元ファイルの 2 行目「1003 x x x x x x x x x x x x x x x x x x…」: "),
            0u);
}

}  // namespace
}  // namespace bc

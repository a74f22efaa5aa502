// The bundled sample converts in full, and grows its tables as described in
// samples/README.md.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "support/section_fixture.h"
#include "text/codepage.h"
#include "text/utf8.h"

namespace bc::testing {
namespace {

bool TableHasLine(const std::filesystem::path& file, const std::u16string& line) {
  for (const std::u16string& l : ReadAnsiLines(file)) {
    if (l == line) return true;
  }
  return false;
}

TEST(BundledSampleTest, ConvertsEverySectionAndGrowsTheTables) {
  ScratchFolder scratch;
  std::filesystem::path samples = BORINGCONV_SAMPLES;
  std::filesystem::copy(samples / "patdat", scratch.path() / "patdat",
                        std::filesystem::copy_options::recursive);
  std::string command =
      "XDG_CONFIG_HOME='" + (scratch.path() / "config").string() + "' '" +
      std::string(BORINGCONV_CLI) + "' --yes --patdat '" + (scratch.path() / "patdat").string() +
      "' '" + (samples / "boring.txt").string() + "' '" + (scratch.path() / "out").string() +
      "' > '" + (scratch.path() / "log").string() + "' 2>&1";
  ASSERT_EQ(std::system(command.c_str()), 0) << ReadBytes(scratch.path() / "log");
  EXPECT_EQ(FromUtf8(ReadBytes(scratch.path() / "log")), u"変換が正常に終了しました。\n");

  for (const char* name :
       {"CNT.TXT",     "TITL01.TXT",  "TITL02.TXT",  "X1.TXT",      "X3.TXT",  "R31.TXT",
        "R32.TXT",     "R33.TXT",     "R34.TXT",     "R35.TXT",     "X12.TXT", "R41.TXT",
        "N9.TXT",      "X7.TXT",      "X6.TXT",      "R30.TXT",     "X5.TXT",  "PCNT.TXT",
        "LUGON_1.HED", "LUGON_1.TMP", "LUGON_1.GRA", "LUGON_2.GRA", "N8.TXT",  "G71.TXT",
        "G73.TXT",     "G81.TXT",     "G82.TXT",     "R72.TXT"}) {
    std::filesystem::path file = scratch.path() / "out" / name;
    EXPECT_TRUE(std::filesystem::exists(file)) << name;
    EXPECT_GT(std::filesystem::file_size(file), 0u) << name;
  }
  std::filesystem::path patdat = scratch.path() / "patdat";
  EXPECT_TRUE(TableHasLine(patdat / "KISHITU.TXT", u"2001,有機質粘土,,,,0000"));  // promoted
  EXPECT_TRUE(TableHasLine(patdat / "KISHITU.TXT", u"2009,貝殻混じり細砂,    ,    ,    ,0000"));
  EXPECT_TRUE(TableHasLine(patdat / "XKISHITU.TXT", u"2009,貝殻混じり細砂,    ,    ,    ,0000"));
  EXPECT_TRUE(TableHasLine(patdat / "L16.TXT", u"12,炭化物"));
  EXPECT_TRUE(TableHasLine(patdat / "L19.TXT", u"11,古第三紀"));
  EXPECT_TRUE(TableHasLine(patdat / "L18.TXT", u"11,やや硬"));
}

// Converts source with a fresh copy of the sample's tables into folder/out;
// folder/patdat holds the tables afterwards.
void ConvertWithFreshTables(const std::filesystem::path& source,
                            const std::filesystem::path& folder) {
  std::filesystem::create_directories(folder);
  std::filesystem::copy(std::filesystem::path(BORINGCONV_SAMPLES) / "patdat", folder / "patdat",
                        std::filesystem::copy_options::recursive);
  std::string command = "XDG_CONFIG_HOME='" + (folder / "config").string() + "' '" +
                        std::string(BORINGCONV_CLI) + "' --yes --patdat '" +
                        (folder / "patdat").string() + "' '" + source.string() + "' '" +
                        (folder / "out").string() + "' > '" + (folder / "log").string() + "' 2>&1";
  ASSERT_EQ(std::system(command.c_str()), 0) << ReadBytes(folder / "log");
  EXPECT_EQ(FromUtf8(ReadBytes(folder / "log")), u"変換が正常に終了しました。\n");
}

// Every file of the two folders, byte for byte.
void ExpectSameFiles(const std::filesystem::path& expected, const std::filesystem::path& actual) {
  std::size_t count = 0;
  for (const auto& entry : std::filesystem::directory_iterator(expected)) {
    std::filesystem::path name = entry.path().filename();
    EXPECT_EQ(ReadBytes(actual / name), ReadBytes(entry.path())) << name;
    ++count;
  }
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(actual),
                          std::filesystem::directory_iterator()),
            static_cast<std::ptrdiff_t>(count));
}

// The sample as an editor saves it in UTF-8 (with a byte-order mark, LF line
// ends, and the JIS wave dash in 「暗褐〜灰褐」) converts to the very files and
// tables the Shift_JIS sample gives.
TEST(BundledSampleTest, Utf8CopyGivesTheSameFilesAndTables) {
  ScratchFolder scratch;
  std::filesystem::path samples = BORINGCONV_SAMPLES;
  std::u16string text = DecodeAnsi(ReadBytes(samples / "boring.txt"));
  ASSERT_NE(text.find(u'～'), std::u16string::npos);
  std::u16string edited;
  for (char16_t c : text) {
    if (c == u'\r') continue;
    edited += c == u'～' ? u'〜' : c;
  }
  std::ofstream(scratch.path() / "utf8.txt", std::ios::binary) << "\xEF\xBB\xBF" + ToUtf8(edited);

  // The same folder for both (CNT.TXT holds the destination's names).
  ConvertWithFreshTables(samples / "boring.txt", scratch.path() / "run");
  std::filesystem::rename(scratch.path() / "run", scratch.path() / "sjis");
  ConvertWithFreshTables(scratch.path() / "utf8.txt", scratch.path() / "run");
  std::filesystem::rename(scratch.path() / "run", scratch.path() / "utf8");
  ExpectSameFiles(scratch.path() / "sjis" / "out", scratch.path() / "utf8" / "out");
  ExpectSameFiles(scratch.path() / "sjis" / "patdat", scratch.path() / "utf8" / "patdat");
}

}  // namespace
}  // namespace bc::testing

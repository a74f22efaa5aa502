// The source ending after any line of a boring that holds every record code:
// the files of the section it ended in, and of every section before, are
// written; the files an earlier boring left for every later section are
// removed, so that the folder holds one boring.
#include "conversion/section_order.h"

#include <gtest/gtest.h>

#include <fstream>

#include "conversion/conversion.h"
#include "support/recording_ui.h"
#include "support/section_fixture.h"
#include "text/line_reader.h"
#include "text/numeric.h"
#include "text/utf8.h"

namespace bc {
namespace {

using testing::ReadBytes;
using testing::RecordingUi;
using testing::ScratchFolder;

constexpr char kStale[] = "left by an earlier run";

std::filesystem::path SamplesFolder() {
  return std::filesystem::path(BORINGCONV_SOURCE_DIR) / "samples";
}

// The lines of the bundled sample, raw bytes each ended by CR LF.
std::vector<std::string> SampleLines() {
  std::string bytes = ReadBytes(SamplesFolder() / "boring.txt");
  std::vector<std::string> lines;
  for (std::size_t start = 0; start < bytes.size();) {
    std::size_t end = bytes.find("\r\n", start);
    if (end == std::string::npos) end = bytes.size();
    lines.push_back(bytes.substr(start, end - start) + "\r\n");
    start = end + 2;
  }
  return lines;
}

// The host names a section's file entry stands for.
std::vector<std::string> HostNames(std::u16string_view file) {
  if (file == u"LUGON_*") return {"LUGON_1.HED", "LUGON_1.TMP", "LUGON_1.GRA"};
  return {ToUtf8(file)};
}

// The section a well-ordered source ends in when its last record has code.
std::size_t EndingSection(double code) {
  std::span<const Section> order = SectionOrder();
  std::size_t last = 0;
  for (std::size_t i = 0; i < order.size(); ++i) {
    if (order[i].first_code <= code) last = i;
  }
  return last;
}

class SectionOrderTest : public ::testing::Test {
 protected:
  SectionOrderTest() : env_(DriveMap(), scratch_.path()) {
    std::filesystem::copy(SamplesFolder() / "patdat", scratch_.path() / "patdat",
                          std::filesystem::copy_options::recursive);
    std::filesystem::create_directories(scratch_.path() / "out");
    env_.drives().Map(u'C', scratch_.path());
  }

  // Leaves a stale copy of every output, then converts the first count lines.
  bool ConvertFirstLines(const std::vector<std::string>& lines, std::size_t count) {
    for (const Section& section : SectionOrder()) {
      for (std::u16string_view file : section.files) {
        for (const std::string& name : HostNames(file)) {
          std::ofstream(scratch_.path() / "out" / name, std::ios::binary) << kStale;
        }
      }
    }
    std::ofstream(scratch_.path() / "out" / "notes.txt", std::ios::binary) << kStale;
    std::ofstream source(scratch_.path() / "b.txt", std::ios::binary | std::ios::trunc);
    for (std::size_t i = 0; i < count; ++i) source << lines[i];
    source.close();
    RecordingUi ui;
    return RunConversion({u"C:\\b.txt", u"C:\\out", u"C:\\patdat\\"}, env_, ui);
  }

  bool Exists(const std::string& name) const {
    return std::filesystem::exists(scratch_.path() / "out" / name);
  }

  bool Replaced(const std::string& name) const {
    return ReadBytes(scratch_.path() / "out" / name) != kStale;
  }

  ScratchFolder scratch_;
  Environment env_;
};

TEST_F(SectionOrderTest, EndingAfterEveryLineRemovesTheEarlierBoringsLaterFiles) {
  std::vector<std::string> lines = SampleLines();
  ASSERT_GT(lines.size(), 100u);
  std::span<const Section> order = SectionOrder();
  for (std::size_t count = 1; count <= lines.size(); ++count) {
    LineReader last;
    last.OpenBytes(lines[count - 1]);
    double code = NumericValue(std::u16string_view(last.ReadLine()).substr(0, 4));
    std::size_t ending = EndingSection(code);
    SCOPED_TRACE("source ends after line " + std::to_string(count) + ", in section " +
                 ToUtf8(order[ending].records));
    ASSERT_TRUE(ConvertFirstLines(lines, count));
    for (std::size_t i = 0; i < order.size(); ++i) {
      for (std::u16string_view file : order[i].files) {
        for (const std::string& name : HostNames(file)) {
          if (i > ending) {
            EXPECT_FALSE(Exists(name)) << name << " of the earlier boring was left";
          } else if (file != u"LUGON_*") {
            EXPECT_TRUE(Exists(name) && Replaced(name)) << name << " was not written";
          } else {  // a Lugeon test's files come with its records
            EXPECT_TRUE(!Exists(name) || Replaced(name))
                << name << " of the earlier boring was left";
          }
        }
      }
    }
    EXPECT_FALSE(Replaced("notes.txt"));
  }
}

TEST(SectionOrderTableTest, NamesEveryOutputOnceInRisingCodeOrder) {
  std::vector<std::u16string_view> seen;
  double previous = 0;
  for (const Section& section : SectionOrder()) {
    EXPECT_GT(section.first_code, previous) << ToUtf8(section.records);
    previous = section.first_code;
    for (std::u16string_view file : section.files) {
      EXPECT_EQ(std::count(seen.begin(), seen.end(), file), 0) << ToUtf8(file);
      seen.push_back(file);
    }
  }
  EXPECT_EQ(seen.size(), 25u);
}

}  // namespace
}  // namespace bc

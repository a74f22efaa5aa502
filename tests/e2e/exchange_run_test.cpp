// An exchange XML file converts to exactly the files its imported record file
// gives, on its own and in a batch; an XML file that is no boring stops with
// a message naming it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "e2e/same_files.h"
#include "support/section_fixture.h"
#include "text/utf8.h"

namespace bc::testing {
namespace {

namespace fs = std::filesystem;

fs::path ExchangeData() { return fs::path(BORINGCONV_SOURCE_DIR) / "tests/data/exchange"; }

// Every twentieth corpus file: the versions and most record kinds.
std::vector<fs::path> SomeCorpusFiles() {
  std::vector<fs::path> files;
  for (const auto& entry : fs::directory_iterator(ExchangeData() / "corpus")) {
    if (entry.path().extension() == ".xml") files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());
  std::vector<fs::path> some;
  for (std::size_t i = 0; i < files.size(); i += 20) some.push_back(files[i]);
  return some;
}

int Convert(const fs::path& folder, const std::string& args, std::string* output) {
  std::string command = "cd '" + folder.string() + "' && XDG_CONFIG_HOME=config '" +
                        std::string(BORINGCONV_CLI) + "' --drive D=. --patdat 'D:\\patdat' " +
                        args + " > log.txt 2>&1";
  int status = std::system(command.c_str());
  *output = ReadBytes(folder / "log.txt");
  return status == -1 ? -1 : WEXITSTATUS(status);
}

// Two trees: "xml" converts the XML files, "txt" their expected record files.
class ExchangeRunTest : public ::testing::Test {
 protected:
  ExchangeRunTest() {
    for (const char* tree : {"xml", "txt"}) {
      fs::create_directories(root() / tree / "in");
      fs::copy(fs::path(BORINGCONV_SAMPLES) / "patdat", root() / tree / "patdat",
               fs::copy_options::recursive);
    }
    for (const fs::path& xml : SomeCorpusFiles()) {
      fs::copy_file(xml, root() / "xml" / "in" / xml.filename());
      fs::copy_file(ExchangeData() / "expected" / (xml.stem().string() + ".txt"),
                    root() / "txt" / "in" / (xml.stem().string() + ".txt"));
    }
  }
  const fs::path& root() const { return scratch_.path(); }

  ScratchFolder scratch_;
};

TEST_F(ExchangeRunTest, AnXmlFileConvertsAsItsRecordFile) {
  std::vector<fs::path> files = SomeCorpusFiles();
  ASSERT_GE(files.size(), 5u);
  std::string output;
  for (const fs::path& xml : files) {
    std::string stem = xml.stem().string();
    ASSERT_EQ(Convert(root() / "xml", "--yes in/" + stem + ".xml 'D:\\out\\" + stem + "'", &output),
              0)
        << stem << "\n"
        << output;
    ASSERT_EQ(Convert(root() / "txt", "--yes in/" + stem + ".txt 'D:\\out\\" + stem + "'", &output),
              0)
        << stem << "\n"
        << output;
  }
  ExpectSameFiles(root() / "txt" / "out", root() / "xml" / "out");
  ExpectSameFiles(root() / "txt" / "patdat", root() / "xml" / "patdat");
}

TEST_F(ExchangeRunTest, ABatchTakesXmlFilesButNoOtherXml) {
  std::ofstream(root() / "xml" / "in" / "picture.svg") << "<?xml version=\"1.0\"?><svg/>";
  std::string output;
  ASSERT_EQ(Convert(root() / "xml", "--into 'D:\\out' in", &output), 0) << output;
  ASSERT_EQ(Convert(root() / "txt", "--into 'D:\\out' in", &output), 0) << output;
  ExpectSameFiles(root() / "txt" / "out", root() / "xml" / "out");
  EXPECT_FALSE(fs::exists(root() / "xml" / "out" / "picture"));
  EXPECT_FALSE(fs::exists(root() / "xml" / "out" / "overview.svg"));
}

// Three borings of one survey, each with its ground elevation on the same
// datum, stand at their elevations in the overview.
TEST_F(ExchangeRunTest, TheOverviewOfOneSurveysBorings) {
  fs::path site = root() / "site";
  fs::create_directories(site / "in");
  fs::copy(fs::path(BORINGCONV_SAMPLES) / "patdat", site / "patdat", fs::copy_options::recursive);
  for (const char* bed : {"0008", "0012", "0018"}) {
    std::string name = std::string("BOREHOLE_SHIGA_201835400408-BED") + bed + ".xml";
    fs::copy_file(ExchangeData() / "corpus" / name, site / "in" / name);
  }
  std::string output;
  ASSERT_EQ(Convert(site, "--into 'D:\\out' --previews svg in", &output), 0) << output;
  std::string svg = ReadBytes(site / "out" / "overview.svg");
  for (const char* part : {"BED0008</text>", "BED0012</text>", "BED0018</text>", "基準 TP",
                           ">92.25</text>", ">93.22</text>", "盛土，砂礫"}) {
    EXPECT_NE(svg.find(part), std::string::npos) << part;
  }
  EXPECT_EQ(svg.find("stopped-slot"), std::string::npos);

  // A boring that stops keeps its place, saying why, and the others stand
  // as they did.
  std::ofstream(site / "in" / "BOREHOLE_SHIGA_201835400408-BED0010.xml")
      << "<?xml version=\"1.0\"?>\n<ボーリング情報>\n";
  ASSERT_EQ(Convert(site, "--into 'D:\\again' --overview figs/site.svg in", &output), 1) << output;
  EXPECT_FALSE(fs::exists(site / "again" / "overview.svg"));
  svg = ReadBytes(site / "figs" / "site.svg");
  for (const char* part : {"BED0008</text>", "BED0010</text>", "基準 TP", ">93.22</text>",
                           "stopped-slot", ">XML の形式"}) {
    EXPECT_NE(svg.find(part), std::string::npos) << part;
  }
}

TEST_F(ExchangeRunTest, XmlThatIsNoBoringStopsNamingTheFile) {
  std::ofstream(root() / "xml" / "other.xml") << "<?xml version=\"1.0\"?>\n<svg/>\n";
  std::ofstream(root() / "xml" / "broken.xml") << "<?xml version=\"1.0\"?>\n<ボーリング情報>\n";
  std::string output;
  for (const char* name : {"other.xml", "broken.xml"}) {
    EXPECT_EQ(Convert(root() / "xml", std::string("--yes ") + name + " 'D:\\out\\x'", &output), 1);
    EXPECT_EQ(output.rfind(name, 0), 0u) << output;  // the message starts with the file
    EXPECT_FALSE(fs::exists(root() / "xml" / "out" / "x"));
  }
}

}  // namespace
}  // namespace bc::testing

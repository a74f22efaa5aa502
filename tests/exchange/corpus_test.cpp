// Every public exchange XML file of the test data imports to its expected
// record file, byte for byte.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "exchange/exchange_import.h"
#include "run/run_error.h"
#include "support/section_fixture.h"
#include "text/codepage.h"
#include "text/utf8.h"

namespace bc::testing {
namespace {

const std::filesystem::path kData =
    std::filesystem::path(BORINGCONV_SOURCE_DIR) / "tests" / "data" / "exchange";

std::vector<std::filesystem::path> CorpusFiles() {
  std::vector<std::filesystem::path> files;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(kData / "corpus")) {
    if (entry.path().extension() == ".xml") files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());
  return files;
}

// The first line that differs, decoded, for a readable failure.
std::string FirstDifference(const std::string& expected, const std::string& actual) {
  std::u16string e = DecodeAnsi(expected), a = DecodeAnsi(actual);
  std::size_t start = 0;
  for (long line = 1;; ++line) {
    std::size_t ee = e.find(u'\n', start), ae = a.find(u'\n', start);
    std::u16string el = e.substr(start, ee == std::u16string::npos ? ee : ee - start);
    std::u16string al = a.substr(start, ae == std::u16string::npos ? ae : ae - start);
    if (el != al || ee == std::u16string::npos || ae == std::u16string::npos) {
      return "line " + std::to_string(line) + "\n  expected: [" + ToUtf8(el) + "]\n  actual:   [" +
             ToUtf8(al) + "]";
    }
    start = ee + 1;
  }
}

class CorpusTest : public ::testing::TestWithParam<std::filesystem::path> {};

TEST_P(CorpusTest, ImportsToExpectedRecords) {
  const std::filesystem::path& xml = GetParam();
  std::string bytes = ReadBytes(xml);
  EXPECT_TRUE(LooksLikeExchangeXml(bytes));
  std::string got;
  try {
    got = ImportExchangeXml(bytes);
  } catch (const RunError& e) {
    FAIL() << e.what();
  }
  std::string want = ReadBytes(kData / "expected" / xml.filename().replace_extension(".txt"));
  EXPECT_TRUE(got == want) << FirstDifference(want, got);
}

TEST(CorpusFilesTest, AllPresent) { EXPECT_EQ(CorpusFiles().size(), 124u); }

std::string TestName(const ::testing::TestParamInfo<std::filesystem::path>& info) {
  std::string name = info.param.stem().string();
  for (char& c : name) {
    if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
  }
  return name;
}

INSTANTIATE_TEST_SUITE_P(Exchange, CorpusTest, ::testing::ValuesIn(CorpusFiles()), TestName);

}  // namespace
}  // namespace bc::testing

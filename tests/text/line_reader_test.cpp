#include "text/line_reader.h"

#include <gtest/gtest.h>

#include <random>

namespace bc {
namespace {

TEST(LineReaderTest, LinesWhateverTheLineEnd) {
  // A table saved by an editor with bare LF line ends keeps its entries apart.
  EXPECT_EQ(SplitLinesAnyEnd(" 1,a\n 2,b\r\n\r\n   \r\n 3,c\r 4\n"),
            (std::vector<std::u16string>{u" 1,a", u" 2,b", u"", u"   ", u" 3,c", u" 4"}));
  EXPECT_TRUE(SplitLinesAnyEnd("").empty());
}

// The lines as the decoded text reads them: lines end at CR LF or CR, and
// within those at LF, where an LF at the end of a line starts none.
std::vector<std::u16string> SplitDecodedText(const std::string& bytes) {
  std::vector<std::u16string> lines;
  LineReader reader;
  reader.OpenBytes(bytes);
  while (!reader.AtEnd()) {
    std::u16string line = reader.ReadLine();
    std::size_t start = 0;
    for (std::size_t lf = line.find(u'\n'); lf != std::u16string::npos;
         lf = line.find(u'\n', start)) {
      lines.push_back(line.substr(start, lf - start));
      start = lf + 1;
    }
    if (start == 0 || start < line.size()) lines.push_back(line.substr(start));
  }
  return lines;
}

// The splitting of the bytes must agree with that of the decoded text, for
// every mix of line ends and a lead byte before them.
TEST(LineReaderTest, SplittingBytesAgreesWithSplittingText) {
  const char* pieces[] = {"a", "\x88", "\r", "\n", "\r\n", " "};
  std::mt19937 random(5);
  for (int round = 0; round < 3000; ++round) {
    std::string bytes;
    for (int n = static_cast<int>(random() % 7); n > 0; --n) bytes += pieces[random() % 6];
    ASSERT_EQ(SplitLinesAnyEnd(bytes), SplitDecodedText(bytes)) << ::testing::PrintToString(bytes);
  }
}

}  // namespace
}  // namespace bc

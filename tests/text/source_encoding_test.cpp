#include "text/source_encoding.h"

#include <gtest/gtest.h>

#include "text/codepage.h"
#include "text/utf8.h"

namespace bc {
namespace {

using Problem = SourceDecoding::Problem;

std::string Utf16(std::u16string_view text, bool big_endian) {
  std::string bytes = big_endian ? "\xFE\xFF" : "\xFF\xFE";
  for (char16_t c : text) {
    char high = static_cast<char>(c >> 8), low = static_cast<char>(c & 0xFF);
    bytes += big_endian ? std::string{high, low} : std::string{low, high};
  }
  return bytes;
}

// Sources that are read: the code-page bytes every later step sees.
TEST(SourceEncodingTest, ReadsEachEncodingAsTheSameText) {
  const std::u16string text = u"QVN 5.0\r\n2000 0.80 暗褐～灰褐\r\n";
  const std::string ansi = EncodeAnsi(text);
  struct Case {
    const char* what;
    std::string bytes;
    SourceEncoding encoding;
    std::string expected;
  } cases[] = {
      {"Shift_JIS", ansi, SourceEncoding::kShiftJis, ansi},
      {"UTF-8", ToUtf8(text), SourceEncoding::kUtf8, ansi},
      {"UTF-8 with BOM", "\xEF\xBB\xBF" + ToUtf8(text), SourceEncoding::kUtf8, ansi},
      {"UTF-8, JIS wave dash", ToUtf8(u"QVN\r\n2000 1 暗褐〜灰褐"), SourceEncoding::kUtf8,
       EncodeAnsi(u"QVN\r\n2000 1 暗褐～灰褐")},
      {"UTF-16 LE", Utf16(text, false), SourceEncoding::kUtf16, ansi},
      {"UTF-16 BE", Utf16(text, true), SourceEncoding::kUtf16, ansi},
      // "ﾃｩ" in code page 932 and "é" in UTF-8: the format's own encoding wins.
      {"valid as both", "QVN\r\n1003 \xC3\xA9", SourceEncoding::kShiftJis, "QVN\r\n1003 \xC3\xA9"},
      {"bare LF", "QVN\n2000 1\r\n2002 a\rb\n", SourceEncoding::kShiftJis,
       "QVN\r\n2000 1\r\n2002 a\rb\r\n"},
      {"UTF-8, bare LF", ToUtf8(u"QVN\n2000 1 砂\n"), SourceEncoding::kUtf8,
       EncodeAnsi(u"QVN\r\n2000 1 砂\r\n")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    SourceDecoding read = DecodeSource(c.bytes);
    EXPECT_EQ(read.problem, Problem::kNone);
    EXPECT_EQ(read.encoding, c.encoding);
    EXPECT_EQ(read.bytes, c.expected);
  }
}

// Sources that are refused: the line, and the character where one is to blame.
TEST(SourceEncodingTest, RefusesNamingTheLine) {
  struct Case {
    const char* what;
    std::string bytes;
    Problem problem;
    long line;
    char32_t character;
  } cases[] = {
      {"emoji", ToUtf8(u"QVN\r\n1003 a\r\n1004 b😀"), Problem::kUnwritable, 3, U'😀'},
      {"accent", "\xEF\xBB\xBF" + ToUtf8(u"QVN\n1003 café"), Problem::kUnwritable, 2, U'é'},
      {"UTF-16 emoji", Utf16(u"QVN\r\n😀", false), Problem::kUnwritable, 2, U'😀'},
      {"UTF-16 lone surrogate", Utf16(u"QVN\r\na\xD800", true), Problem::kUnreadable, 2, 0},
      {"UTF-16 half a character", Utf16(u"QVN\r\na", false) + "x", Problem::kUnreadable, 2, 0},
      {"UTF-8 BOM, bad UTF-8", "\xEF\xBB\xBFQVN\r\n\xFF", Problem::kUnreadable, 2, 0},
      {"neither, Shift_JIS reads further", EncodeAnsi(u"QVN\r\n1003 砂\r\n") + "\x82 x",
       Problem::kUnreadable, 3, 0},
      {"neither, UTF-8 reads further", ToUtf8(u"QVN 砂\r\n1003 あ\r\n") + "\xFF",
       Problem::kUnreadable, 3, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    SourceDecoding read = DecodeSource(c.bytes);
    EXPECT_EQ(read.problem, c.problem);
    EXPECT_EQ(read.line, c.line);
    EXPECT_EQ(read.character, c.character);
    EXPECT_TRUE(read.bytes.empty());
  }
}

TEST(SourceEncodingTest, FirstLineOfAHeadInEveryEncoding) {
  for (const std::string& head :
       {std::string("QVN 5.0\r\n1003"), "\xEF\xBB\xBF" + ToUtf8(u"QVN 5.0\n砂"),
        Utf16(u"QVN 5.0\r\n", false), Utf16(u"QVN 5.0\r", true) + "\x30"}) {
    EXPECT_EQ(SourceFirstLine(head), u"QVN 5.0");
  }
}

}  // namespace
}  // namespace bc

#include "cli/terminal.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "cli/command_line.h"
#include "support/section_fixture.h"
#include "text/codepage.h"
#include "text/utf8.h"

namespace bc {
namespace {

TEST(TerminalTest, CodePagesBothWays) {
  struct Case {
    unsigned code_page;
    std::u16string text;
    std::string bytes;
  } cases[] = {
      {932, u"はい ｱ", "\x82\xcd\x82\xa2 \xb1"},
      {932, u"한", "?"},  // not in the code page
      {kUtf8CodePage, u"はい", "\xe3\x81\xaf\xe3\x81\x84"},
#ifdef _WIN32
      {1252, u"café", "caf\xe9"},
#endif
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.code_page);
    EXPECT_EQ(EncodeInCodePage(c.text, c.code_page), c.bytes);
    if (c.bytes != "?") {
      EXPECT_EQ(DecodeFromCodePage(c.bytes, c.code_page), c.text);
    }
  }
}

// Typed in a code-page-932 console or piped in, はい must count as yes.
TEST(TerminalTest, YesAnswers) {
  for (std::u16string_view yes :
       {u"y", u"Y", u"yes", u" YES\r", u"ｙ", u"Ｙｅｓ", u"はい", u"はい　"}) {
    EXPECT_TRUE(IsYesAnswer(yes)) << ToUtf8(yes);
  }
  for (std::u16string_view no : {u"", u"n", u"no", u"いいえ", u"yess", u"はいいいえ", u"y es"}) {
    EXPECT_FALSE(IsYesAnswer(no)) << ToUtf8(no);
  }
  EXPECT_TRUE(IsYesAnswer(DecodeFromCodePage("\x82\xcd\x82\xa2\r", 932)));
}

#ifdef _WIN32
std::string EncodeAnsiOrUtf8(std::u16string_view text) { return EncodeAnsi(text); }
#else
std::string EncodeAnsiOrUtf8(std::u16string_view text) { return ToUtf8(text); }
#endif

// A file gets the console's code page (932 on Japanese Windows, UTF-8 on
// POSIX), so that `boringconv --help > help.txt` then `type help.txt` reads
// right; --utf8 makes it UTF-8 everywhere.
TEST(TerminalTest, TextToAFileIsInTheOutputCodePage) {
  bool old = SetUtf8Output(false);
#ifdef _WIN32
  ASSERT_EQ(OutputCodePage(), 932u) << "the Windows tests run under a Japanese locale";
#else
  EXPECT_EQ(OutputCodePage(), kUtf8CodePage);
#endif
  testing::ScratchFolder dir;
  for (bool utf8 : {false, true}) {
    SCOPED_TRACE(utf8);
    SetUtf8Output(false);
    std::filesystem::path file = dir.path() / "help.txt";
    std::FILE* stream = std::fopen(file.string().c_str(), "wb");
    ASSERT_NE(stream, nullptr);
    std::vector<std::u16string> args = {u"--help"};
    if (utf8) args.push_back(u"--utf8");
    EXPECT_EQ(RunCommandLine(args, stream, stream), 0);
    std::fclose(stream);
    EXPECT_EQ(testing::ReadBytes(file), utf8 ? ToUtf8(UsageText()) : EncodeAnsiOrUtf8(UsageText()));
  }
  SetUtf8Output(old);
}

TEST(TerminalTest, NoEscapeSequencesIntoAFile) {
  testing::ScratchFolder dir;
  std::FILE* stream = std::fopen((dir.path() / "log.txt").string().c_str(), "wb");
  ASSERT_NE(stream, nullptr);
  EXPECT_FALSE(IsTerminal(stream));
  EXPECT_FALSE(EscapeSequences(stream).enabled());
  std::fclose(stream);
}

}  // namespace
}  // namespace bc

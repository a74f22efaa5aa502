#include "text/codepage.h"

#include <gtest/gtest.h>

namespace bc {
namespace {

TEST(CodePageTest, MicrosoftMappingsOfTheDisputedCharacters) {
  EXPECT_EQ(DecodeAnsi("\x81\x60"), u"～");  // U+FF5E, not the wave dash U+301C
  EXPECT_EQ(DecodeAnsi("\x81\x7C"), u"－");  // U+FF0D, not the minus sign U+2212
  EXPECT_EQ(DecodeAnsi("\x81\x5F"), u"＼");  // U+FF3C
  EXPECT_EQ(DecodeAnsi("\x81\x61"), u"∥");   // U+2225
  EXPECT_EQ(DecodeAnsi("\x5C\x7E"), u"\\~");
  EXPECT_EQ(EncodeAnsi(u"～－＼∥"), "\x81\x60\x81\x7C\x81\x5F\x81\x61");
}

TEST(CodePageTest, NecAndIbmExtensionRows) {
  EXPECT_EQ(DecodeAnsi("\x87\x40"), u"①");
  EXPECT_EQ(DecodeAnsi("\x87\x54"), u"Ⅰ");
  EXPECT_EQ(DecodeAnsi("\xFA\x40"), u"ⅰ");
  EXPECT_EQ(DecodeAnsi("\xED\x40"), u"纊");
  EXPECT_EQ(DecodeAnsi("\xFA\x5C"), u"纊");
  // Encoding prefers the first code, but never the NEC-selected IBM rows.
  EXPECT_EQ(EncodeAnsi(u"纊"), "\xFA\x5C");
  EXPECT_EQ(EncodeAnsi(u"ⅰ"), "\xFA\x40");
  EXPECT_EQ(EncodeAnsi(u"Ⅰ"), "\x87\x54");
  EXPECT_EQ(EncodeAnsi(u"￢"), "\x81\xCA");
  EXPECT_EQ(EncodeAnsi(u"∵"), "\x81\xE6");
}

TEST(CodePageTest, RoundTripsJapaneseText) {
  const std::u16string text = u"砂質シルト（ｼﾙﾄ混じり）ソ表能 ABC 123";
  EXPECT_EQ(DecodeAnsi(EncodeAnsi(text)), text);
  EXPECT_EQ(EncodeAnsi(u"ソ"), "\x83\x5C");  // second byte is the backslash byte
  EXPECT_EQ(EncodeAnsi(u"ｱ"), "\xB1");
}

// The user-defined rows F0 to F9 hold a user's own characters (gaiji): each
// of the 1880 sequences is its own private-use character, in order, and
// comes back as the same two bytes.
TEST(CodePageTest, EveryUserDefinedSequenceRoundTrips) {
  char16_t expected = u'\uE000';
  for (unsigned lead = 0xF0; lead <= 0xF9; ++lead) {
    for (unsigned trail = 0x40; trail <= 0xFC; ++trail) {
      if (trail == 0x7F) continue;
      const std::string bytes{static_cast<char>(lead), static_cast<char>(trail)};
      const std::u16string text = DecodeAnsi(bytes);
      ASSERT_EQ(text, std::u16string(1, expected)) << std::hex << lead << " " << trail;
      ASSERT_EQ(EncodeAnsi(text), bytes) << std::hex << lead << " " << trail;
      ++expected;
    }
  }
  EXPECT_EQ(expected, u'\uE758');
}

TEST(CodePageTest, MissingCharactersEncodeAsQuestionMark) {
  EXPECT_EQ(EncodeAnsi(u"a\u00E9b"), "a?b");
  EXPECT_EQ(EncodeAnsi(u"\u4E02"), "?");  // a kanji outside the code page
  EXPECT_EQ(AnsiCharWidth(u'\u00E9'), 1);
  EXPECT_EQ(AnsiCharWidth(u'砂'), 2);
  EXPECT_EQ(AnsiCharWidth(u'ｱ'), 1);
}

TEST(CodePageTest, AppendingKeepsTheBytesBefore) {
  std::string bytes = "1,";
  AppendAnsi(u"砂a", &bytes);
  AppendAnsi(u"", &bytes);
  AppendAnsi(u"\u4E02", &bytes);
  EXPECT_EQ(bytes,
            "1,\x8D\xBB"
            "a?");
}

TEST(CodePageTest, InvalidAndTruncatedBytesNeverCrash) {
  EXPECT_EQ(DecodeAnsi("A\x82"), u"A\uFFFD");  // lead byte at the end
  EXPECT_EQ(DecodeAnsi("\x82\x20"
                       "B"),
            u"\uFFFD B");  // lead byte before a space
  EXPECT_EQ(DecodeAnsi(std::string("\0", 1)), std::u16string(1, u'\0'));
  for (int b = 0; b < 256; ++b) {
    std::string bytes(1, static_cast<char>(b));
    EXPECT_EQ(DecodeAnsi(bytes).size(), 1u) << b;
  }
}

}  // namespace
}  // namespace bc

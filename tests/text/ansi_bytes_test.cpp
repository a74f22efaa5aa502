#include "text/ansi_bytes.h"

#include <gtest/gtest.h>

namespace bc {
namespace {

TEST(AnsiBytesTest, CountsTwoBytesForFullWidth) {
  EXPECT_EQ(AnsiByteLength(u"a砂"), 3);
  EXPECT_EQ(AnsiByteLength(u""), 0);
  EXPECT_EQ(AnsiByteLength(u"ｱｲ"), 2);
}

TEST(AnsiBytesTest, TakesWholeCharacters) {
  EXPECT_EQ(AnsiLeftBytes(u"砂a", 2), u"砂");
  EXPECT_EQ(AnsiRightBytes(u"砂a", 1), u"a");
  EXPECT_EQ(AnsiMidBytes(u"C:\\data", 2, 1), u":");
  EXPECT_EQ(AnsiMidBytes(u"abcdef", 3), u"cdef");
  EXPECT_EQ(AnsiLeftBytes(u"", 5), u"");
  EXPECT_EQ(AnsiLeftBytes(u"ab", 10), u"ab");
}

TEST(AnsiBytesTest, DropsTheLoneByteOfACutCharacter) {
  EXPECT_EQ(AnsiLeftBytes(u"a砂b", 2), u"a");
  EXPECT_EQ(AnsiRightBytes(u"a砂b", 2), u"b");
  EXPECT_EQ(AnsiMidBytes(u"a砂礫b", 3, 2), u"");  // bytes 3 and 4 are halves of two kanji
  EXPECT_EQ(AnsiMidBytes(u"a砂礫b", 2, 4), u"砂礫");
  EXPECT_EQ(AnsiMidBytes(u"abc", 5, 2), u"");
}

}  // namespace
}  // namespace bc

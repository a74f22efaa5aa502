#include "text/width.h"

#include <gtest/gtest.h>

namespace bc {
namespace {

TEST(WidthTest, FullWidthShiftsDigitsCapitalsAndKatakana) {
  EXPECT_EQ(ToFullWidth(u"AB12"), u"ＡＢ１２");
  EXPECT_EQ(ToFullWidth(u"ab-"), u"ab-");
  EXPECT_EQ(ToFullWidth(u"ｿｲﾙ"), u"ソイル");
  EXPECT_EQ(ToFullWidth(u"ｦｧｯｰﾝ"), u"ヲァッーン");
  EXPECT_EQ(ToFullWidth(u":;<=>?@"), u"：；＜＝＞？＠");
  EXPECT_EQ(ToFullWidth(u""), u"");
}

TEST(WidthTest, FullWidthConvertsOneCharacterAtATime) {
  EXPECT_EQ(ToFullWidth(u"ｶﾞﾊﾟ"), u"カﾞハﾟ");  // sound marks stay half-width
}

TEST(WidthTest, HalfWidthShiftsBack) {
  EXPECT_EQ(ToHalfWidth(u"ＧＬ－１"), u"GL－1");  // the full-width minus lies below "０"
  EXPECT_EQ(ToHalfWidth(u"：；＜＝＞？＠"), u":;<=>?@");
  EXPECT_EQ(ToHalfWidth(u"ソイル"), u"ｿｲﾙ");
}

TEST(WidthTest, HalfWidthSplitsVoicedKana) {
  EXPECT_EQ(ToHalfWidth(u"ガ"), u"ｶﾞ");
  EXPECT_EQ(ToHalfWidth(u"パピプペポ"), u"ﾊﾟﾋﾟﾌﾟﾍﾟﾎﾟ");
  EXPECT_EQ(ToHalfWidth(u"ヂヅドバボ"), u"ﾁﾞﾂﾞﾄﾞﾊﾞﾎﾞ");
  EXPECT_EQ(ToHalfWidth(u"ッツ"), u"ｯﾂ");
}

TEST(WidthTest, HalfWidthLeavesWhatHasNoHalfForm) {
  EXPECT_EQ(ToHalfWidth(u"ヮヰヱヴヵヶー"), u"ヮヰヱヴヵヶー");
  EXPECT_EQ(ToHalfWidth(u"ひらがな漢字abc"), u"ひらがな漢字abc");
}

TEST(WidthTest, EveryHalfWidthKanaRoundTrips) {
  for (char16_t c = u'\uFF66'; c <= u'\uFF9D'; ++c) {
    if (c == u'ｰ') continue;  // ー lies outside the range that ToHalfWidth converts
    std::u16string half(1, c);
    EXPECT_EQ(ToHalfWidth(ToFullWidth(half)), half) << static_cast<int>(c);
  }
}

}  // namespace
}  // namespace bc

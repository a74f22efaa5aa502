#include "text/separators.h"

#include <gtest/gtest.h>

#include "text/free_format.h"

namespace bc {
namespace {

TEST(SeparatorsTest, CountsCharactersNotBytes) {
  EXPECT_EQ(CountSeparators(u"C:\\A\\B", u"\\"), 2);
  EXPECT_EQ(CountSeparators(u"C:\\ソ表\\B", u"\\"), 2);  // 0x5C second bytes do not count
  EXPECT_EQ(CountSeparators(u"a,b;c", u",;"), 2);
}

TEST(SeparatorsTest, SplitsIntoOneBasedParts) {
  std::vector<std::u16string> parts(6, u"old");
  EXPECT_EQ(SplitAtSeparators(u"C:\\A\\B\\", u"\\", parts), 4u);
  EXPECT_EQ(parts[1], u"C:");
  EXPECT_EQ(parts[2], u"A");
  EXPECT_EQ(parts[3], u"B");
  EXPECT_EQ(parts[4], u"");
  EXPECT_EQ(parts[5], u"old");  // slots above the pieces keep their texts
}

TEST(SeparatorsTest, GrowsThePartsWhenNeeded) {
  std::vector<std::u16string> parts;
  EXPECT_EQ(SplitAtSeparators(u"a\\b\\c", u"\\", parts), 3u);
  EXPECT_EQ(parts[3], u"c");
}

TEST(FreeFormatTest, ItemsOfALine) {
  using Items = std::vector<std::u16string>;
  EXPECT_EQ(ReadFreeFormatItems(u"  01 , 砂 ,x"), (Items{u"01", u"砂", u"x"}));
  EXPECT_EQ(ReadFreeFormatItems(u"\"a,b\", c"), (Items{u"a,b", u"c"}));
  EXPECT_EQ(ReadFreeFormatItems(u""), (Items{u""}));
  EXPECT_EQ(ReadFreeFormatItems(u"QVN V5"), (Items{u"QVN V5"}));
  EXPECT_EQ(ReadFreeFormatItems(u"a,"), (Items{u"a", u""}));
  EXPECT_EQ(ItemOrEmpty(Items{u"a"}, 3), u"");
}

}  // namespace
}  // namespace bc

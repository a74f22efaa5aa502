#include "text/separators.h"

#include <gtest/gtest.h>

#include "text/codepage.h"
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

// Reading an item from the bytes must give what decoding the whole line
// and reading its items gives, also where a lead byte stands before a
// separator, a quote or a blank, or ends the line.
TEST(FreeFormatTest, ItemsFromBytesAgreeWithItemsOfTheDecodedLine) {
  const std::string lines[] = {"  01 , \x8d\xbb ,x",
                               "\"a,b\", c",
                               "",
                               "a,",
                               "\t\"\x88,\x88\" , \x88 ",
                               "\x88,\x88\"x\",\x88",
                               "1,\x88 \x88\x9f  ",
                               "\"open,end",
                               "\x81\x40,\x81",
                               "11,      ,\x8d\xbb\x81\x69\x94\xf5\x8d\x6c\x81\x6a"};
  for (const std::string& line : lines) {
    std::vector<std::u16string> items = ReadFreeFormatItems(DecodeAnsi(line));
    for (std::size_t i = 0; i < items.size() + 2; ++i) {
      EXPECT_EQ(DecodeAnsi(AnsiFreeFormatItem(line, i)), ItemOrEmpty(items, i))
          << line << " item " << i;
    }
  }
}

}  // namespace
}  // namespace bc

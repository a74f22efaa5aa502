// How the exchange import reads XML: encodings, versions, the element tree.
#include <gtest/gtest.h>

#include "exchange/exchange_version.h"
#include "exchange/xml_encoding.h"
#include "exchange/xml_tree.h"
#include "run/run_error.h"
#include "text/utf8.h"

namespace bc {
namespace {

using namespace std::string_view_literals;

TEST(XmlEncodingTest, StrictUtf8) {
  struct Case {
    std::string_view bytes;
    bool valid;
  } cases[] = {
      {"abc", true},
      {"\xE3\x81\x82", true},
      {"\xF0\x9F\x98\x80", true},
      {"\xC0\xAF", false},          // overlong "/"
      {"\xE0\x80\xAF", false},      // overlong
      {"\xED\xA0\x80", false},      // a surrogate
      {"\xF4\x90\x80\x80", false},  // past U+10FFFF
      {"\xE3\x81", false},          // truncated
      {"\x82\xA0", false},          // Shift_JIS あ
  };
  for (const Case& c : cases) EXPECT_EQ(IsValidUtf8(c.bytes), c.valid) << c.bytes;
}

TEST(XmlEncodingTest, Declaration) {
  EXPECT_EQ(DeclaredEncoding("<?xml version=\"1.0\" encoding=\"Shift_JIS\"?><a/>"), "Shift_JIS");
  EXPECT_EQ(DeclaredEncoding("\r\n <?xml version='1.0' encoding = 'euc-jp' ?>"), "euc-jp");
  EXPECT_EQ(DeclaredEncoding("<?xml version=\"1.0\"?><a encoding=\"x\"/>"), "");
  EXPECT_EQ(DeclaredEncoding("<a/><?xml version=\"1.0\" encoding=\"UTF-8\"?>"), "");
  EXPECT_EQ(DeclaredEncoding(std::string(300, ' ') + "<?xml encoding=\"UTF-8\"?>"), "");
}

TEST(XmlEncodingTest, ByteOrderMarksAndFallbacks) {
  EXPECT_EQ(DecodeXmlBytes("\xEF\xBB\xBF<a/>"), std::optional<std::string>("<a/>"));
  EXPECT_EQ(DecodeXmlBytes("\xFE\xFF\x00<\x00/"sv), std::optional<std::string>("</"));
  EXPECT_FALSE(DecodeXmlBytes("\xFF\xFE<"));                // odd length
  EXPECT_FALSE(DecodeXmlBytes("\xFF\xFE\x00\xD8<\x00"sv));  // lone surrogate
  EXPECT_FALSE(DecodeXmlBytes("\xEF\xBB\xBF\x82\xA0"));     // a mark, but not UTF-8
  // Declared UTF-8 but Shift_JIS: code page 932 reads it.
  EXPECT_EQ(DecodeXmlBytes("<?xml encoding=\"UTF-8\"?>\x82\xA0"),
            std::optional<std::string>("<?xml encoding=\"UTF-8\"?>\xE3\x81\x82"));
  EXPECT_EQ(DecodeXmlBytes("<?xml encoding=\"ISO-8859-1\"?>\xE9"),
            std::optional<std::string>("<?xml encoding=\"ISO-8859-1\"?>\xC3\xA9"));
}

TEST(ExchangeVersionTest, KnownVersions) {
  struct Case {
    std::u16string_view version;
    bool known;
  } cases[] = {{u"", true},      {u"2.00", true},  {u"2.01", true},  {u"2.10", true},
               {u"3.00", true},  {u"3", true},     {u"4.0", true},   {u"3.10", false},
               {u"4.01", false}, {u"1.00", false}, {u"5.00", false}, {u"3.0a", false},
               {u"v3.00", false}};
  for (const Case& c : cases) EXPECT_EQ(IsKnownVersion(c.version), c.known) << ToUtf8(c.version);
}

TEST(ExchangeVersionTest, FromAttributeOrDtdName) {
  auto version = [](const std::string& doc) {
    XmlTree tree(doc);
    return ToUtf8(ExchangeVersion(tree, doc));
  };
  EXPECT_EQ(version("<r DTD_version=\" 3.00\xE3\x80\x80\"/>"), "3.00");
  EXPECT_EQ(version("<r DTD_version=\"Ver 2.10\"/>"), "Ver2.10");
  EXPECT_EQ(version("<?xml version=\"1.0\"?><!DOCTYPE r SYSTEM \"Bed0210.dtd\"><r/>"), "2.10");
  EXPECT_EQ(version("<!DOCTYPE r SYSTEM \"BED300.DTD\"><r DTD_version=\"\"/>"), "3.00");
  EXPECT_EQ(version("<!DOCTYPE r SYSTEM \"BED30.DTD\"><r/>"), "");
}

TEST(XmlTreeTest, GroupsChildrenAndTexts) {
  XmlTree tree(
      "<r><g><a> </a><b/></g><g><a>x<i/>y</a></g><h><g><g><c>1</c></g></g></h>"
      "<k><p>P</p><q>Q</q></k></r>");
  // Empty placeholder groups hold no data; nested groups each count.
  std::vector<std::size_t> groups = tree.GroupsWithData("g");
  ASSERT_EQ(groups.size(), 3u);
  EXPECT_EQ(ToUtf8(tree.ChildText(groups[0], "a")), "x");  // up to the first child element
  EXPECT_EQ(tree.Children(*tree.First("k")).size(), 2u);
  // The first named child present wins, in the order named.
  EXPECT_EQ(ToUtf8(tree.ChildText(*tree.First("k"), {"q", "p"})), "Q");
  EXPECT_EQ(ToUtf8(tree.ChildText(*tree.First("k"), {"z", "p"})), "P");
  EXPECT_EQ(ToUtf8(tree.ChildText(*tree.First("k"), "z")), "");
  EXPECT_FALSE(tree.First("z"));
}

TEST(XmlTreeTest, PositionsInMessages) {
  EXPECT_EQ(ToUtf8(XmlPosition("ab\ncd", 4)), "（2 行 2 列）");
  EXPECT_EQ(ToUtf8(XmlPosition("\xE3\x81\x82\xE3\x81\x82x", 6)), "（1 行 3 列）");
  EXPECT_EQ(ToUtf8(XmlPosition("a\r\nb\rc", 5)), "（3 行 1 列）");
  try {
    XmlTree tree("<r>\n  <a></b>\n</r>");
    FAIL();
  } catch (const RunError& e) {
    EXPECT_NE(e.message().find(u"（2 行"), std::u16string::npos) << e.what();
  }
}

}  // namespace
}  // namespace bc

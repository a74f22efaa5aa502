// The SVG file of the picture, read back with an XML parser, and writing it
// from a converted boring's output folder.
#include "picture/svg_picture.h"

#include <gtest/gtest.h>

#include <pugixml.hpp>
#include <string>

#include "picture/overview_layout.h"
#include "picture/picture_layout.h"
#include "run/run_error.h"
#include "support/section_fixture.h"
#include "text/utf8.h"

namespace bc {
namespace {

using testing::ScratchFolder;
using testing::WriteAnsiLines;

std::vector<pugi::xml_node> OfClass(const pugi::xml_document& doc, const char* element,
                                    const char* role) {
  std::vector<pugi::xml_node> found;
  std::string query = std::string("//") + element + "[@class='" + role + "']";
  for (const pugi::xpath_node& node : doc.select_nodes(query.c_str())) {
    found.push_back(node.node());
  }
  return found;
}

std::string U8(std::u16string_view text) { return ToUtf8(text); }

void Parse(const std::string& svg, pugi::xml_document& doc) {
  pugi::xml_parse_result result = doc.load_string(svg.c_str());
  ASSERT_TRUE(result) << result.description() << " at " << result.offset;
}

void WriteBoring(const std::filesystem::path& folder) {
  std::filesystem::create_directories(folder);
  WriteAnsiLines(folder / "TITL02.TXT", {u"B-1", u""});
  WriteAnsiLines(folder / "X1.TXT", {u"  1,   0.80,1041,盛土", u"  2,   2.50,1007,砂&<礫>",
                                     u"  3,  12.00,2001,有機質粘土"});
  WriteAnsiLines(folder / "X5.TXT", {u"  1,   1.15,  4,  4, 30,  1, 10,  2, 10,  1, 10",
                                     u"  2,   2.15, 50, 68, 22, 50, 22,  0,  0,  0,  0",
                                     u"  3,   3.15, 33, 33, 30, 10, 10, 11, 10, 12, 10"});
}

TEST(SvgPictureTest, BandsPointsAndTheValueBeyondTheAxis) {
  ScratchFolder scratch;
  std::filesystem::path folder = scratch.path() / "b1";
  WriteBoring(folder);
  WritePictureSvg(folder, scratch.path() / "b1.svg");
  pugi::xml_document doc;
  Parse(testing::ReadBytes(scratch.path() / "b1.svg"), doc);

  pugi::xml_node svg = doc.child("svg");
  ASSERT_TRUE(svg);
  EXPECT_STREQ(svg.attribute("version").value(), "1.1");
  EXPECT_STREQ(svg.attribute("xmlns").value(), "http://www.w3.org/2000/svg");
  std::string fonts = svg.attribute("font-family").value();
  for (const char* font : {"Yu Gothic", "Meiryo", "MS Gothic", "Noto Sans CJK JP", "IPAGothic"}) {
    EXPECT_NE(fonts.find(font), std::string::npos) << font;
  }
  EXPECT_TRUE(fonts.ends_with("sans-serif"));

  std::vector<pugi::xml_node> bands = OfClass(doc, "rect", "layer");
  ASSERT_EQ(bands.size(), 3u);
  EXPECT_EQ(bands[0].child_value("title"), U8(u"盛土 0.00–0.80 m"));
  EXPECT_EQ(bands[1].child_value("title"), U8(u"砂&<礫> 0.80–2.50 m"));
  EXPECT_EQ(bands[2].child_value("title"), U8(u"有機質粘土 2.50–12.00 m"));
  std::vector<pugi::xml_node> names = OfClass(doc, "text", "layer-name");
  ASSERT_EQ(names.size(), 3u);
  EXPECT_EQ(names[1].child_value(), U8(u"砂&<礫>"));
  EXPECT_EQ(OfClass(doc, "text", "layer-depth").back().child_value(), std::string("12.00"));

  std::vector<pugi::xml_node> points = OfClass(doc, "circle", "n-point");
  ASSERT_EQ(points.size(), 3u);
  std::vector<pugi::xml_node> axis = OfClass(doc, "text", "n-label");
  ASSERT_FALSE(axis.empty());
  EXPECT_STREQ(axis.back().child_value(), "50");
  EXPECT_NEAR(points[1].attribute("cx").as_double(), axis.back().attribute("x").as_double(), 1);
  std::vector<pugi::xml_node> values = OfClass(doc, "text", "n-value");
  ASSERT_EQ(values.size(), 1u);
  EXPECT_STREQ(values[0].child_value(), "68");
  EXPECT_GT(values[0].attribute("x").as_double(), points[1].attribute("cx").as_double());

  std::vector<pugi::xml_node> titles = OfClass(doc, "text", "title");
  ASSERT_EQ(titles.size(), 1u);
  EXPECT_STREQ(titles[0].child_value(), "B-1");
}

TEST(SvgPictureTest, TextThatXmlForbidsIsReplaced) {
  BoringProfile profile;
  profile.name = u"B\x01-\"2\"";
  profile.layers = {{3, u"1", u"a\x1F"}};
  pugi::xml_document doc;
  Parse(PictureSvg(LayOutPicture(profile, 300, 400)), doc);
  EXPECT_EQ(OfClass(doc, "text", "title")[0].child_value(), U8(u"B\uFFFD-\"2\""));
  EXPECT_EQ(OfClass(doc, "text", "layer-name")[0].child_value(), U8(u"a\uFFFD"));
}

TEST(SvgPictureTest, TitleFallsBackToTheFolderAndNoX5MeansNoPoints) {
  ScratchFolder scratch;
  std::filesystem::path folder = scratch.path() / "No.7";
  WriteBoring(folder);
  std::filesystem::remove(folder / "TITL02.TXT");
  std::filesystem::remove(folder / "X5.TXT");
  WritePictureSvg(folder / "", scratch.path() / "out.svg");
  pugi::xml_document doc;
  Parse(testing::ReadBytes(scratch.path() / "out.svg"), doc);
  EXPECT_STREQ(OfClass(doc, "text", "title")[0].child_value(), "No.7");
  EXPECT_EQ(OfClass(doc, "rect", "layer").size(), 3u);
  EXPECT_TRUE(OfClass(doc, "circle", "n-point").empty());
  EXPECT_TRUE(OfClass(doc, "text", "n-label").empty());
}

TEST(SvgPictureTest, FailuresNameTheFile) {
  ScratchFolder scratch;
  std::filesystem::path folder = scratch.path() / "b1";
  std::filesystem::create_directories(folder);
  struct Case {
    std::filesystem::path svg;
    const char* named;
  } cases[] = {{scratch.path() / "a.svg", "X1.TXT"},
               {scratch.path() / "missing" / "a.svg", "a.svg"}};
  for (const Case& c : cases) {
    if (c.named == std::string("a.svg")) WriteBoring(folder);
    try {
      WritePictureSvg(folder, c.svg);
      ADD_FAILURE() << "no error for " << c.named;
    } catch (const RunError& error) {
      EXPECT_NE(ToUtf8(error.message()).find(c.named), std::string::npos)
          << ToUtf8(error.message());
    }
  }
  EXPECT_FALSE(std::filesystem::exists(scratch.path() / "a.svg"));
}

// The overview, read from the folders as a batch leaves them: every boring's
// name above its column, and a stopped one's in its slot.
TEST(SvgPictureTest, TheOverviewHoldsEveryBoringsName) {
  ScratchFolder scratch;
  std::vector<OverviewBoring> borings;
  for (const char* name : {"No.1", "No.2", "No.4"}) {
    std::filesystem::path folder = scratch.path() / name;
    WriteBoring(folder);
    WriteAnsiLines(folder / "TITL02.TXT", {FromUtf8(name)});
    borings.push_back({ReadBoringProfile(PictureFilesIn(folder), u""), true, u""});
  }
  borings.insert(borings.begin() + 2, {{}, false, u"変換元ファイル <b.txt> がありません。"});
  borings[2].profile.name = u"No.3 & <3>";
  pugi::xml_document doc;
  Parse(PictureSvg(LayOutOverview(borings)), doc);
  std::vector<pugi::xml_node> names = OfClass(doc, "text", "boring-name");
  ASSERT_EQ(names.size(), 4u);
  const char16_t* expected[] = {u"No.1", u"No.2", u"No.3 & <3>", u"No.4"};
  for (std::size_t i = 0; i < 4; ++i) EXPECT_EQ(names[i].child_value(), U8(expected[i]));
  EXPECT_EQ(OfClass(doc, "rect", "stopped-slot").size(), 1u);
  EXPECT_EQ(OfClass(doc, "rect", "layer").size(), 9u);
  EXPECT_FALSE(OfClass(doc, "rect", "legend-swatch").empty());
}

}  // namespace
}  // namespace bc

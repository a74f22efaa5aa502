// The overview of a site: borings at their elevations, the fall-back to one
// depth scale, the slot of a stopped boring, and thirty borings without any
// text running into another.
#include "picture/overview_layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "picture/boring_column.h"
#include "picture/picture_style.h"
#include "picture/text_extent.h"
#include "text/utf8.h"

namespace bc {
namespace {

OverviewBoring Converted(std::u16string name, std::optional<double> ground, float depth,
                         std::u16string datum = u"ＴＰ") {
  OverviewBoring boring;
  boring.profile.name = std::move(name);
  boring.profile.ground = ground;
  boring.profile.datum = std::move(datum);
  boring.profile.layers = {{depth / 2, u"1200", u"砂質シルト"}, {depth, u"0000", u"礫"}};
  boring.profile.blows = {{1.15f, 12}, {depth - 0.5f, 68}};
  return boring;
}

OverviewBoring Stopped(std::u16string name, std::u16string reason) {
  OverviewBoring boring;
  boring.profile.name = std::move(name);
  boring.converted = false;
  boring.stop_reason = std::move(reason);
  return boring;
}

std::vector<const TextShape*> TextsOf(const Drawing& drawing, Role role) {
  std::vector<const TextShape*> found;
  for (const TextShape& text : drawing.texts()) {
    if (text.role == role) found.push_back(&text);
  }
  return found;
}

std::vector<const RectShape*> RectsOf(const Drawing& drawing, Role role) {
  std::vector<const RectShape*> found;
  for (const RectShape& rect : drawing.rects()) {
    if (rect.role == role) found.push_back(&rect);
  }
  return found;
}

// The value of the vertical scale at y, read off its first and last tick.
double ScaleValueAt(const Drawing& drawing, double y) {
  std::vector<const TextShape*> labels = TextsOf(drawing, Role::kDepthLabel);
  std::vector<double> ys;
  for (const LineShape& line : drawing.lines()) {
    if (line.role == Role::kDepthTick) ys.push_back(line.from.y);
  }
  EXPECT_GE(labels.size(), 2u);
  double v1 = std::stod(ToUtf8(labels.front()->text));
  double v2 = std::stod(ToUtf8(labels.back()->text));
  return v1 + (y - ys.front()) / (ys.back() - ys.front()) * (v2 - v1);
}

bool Has(std::u16string_view text, std::u16string_view part) {
  return text.find(part) != std::u16string_view::npos;
}

TEST(OverviewLayoutTest, BoringsStandAtTheirGroundElevations) {
  Drawing drawing = LayOutOverview({Converted(u"B-1", 5.30, 10), Converted(u"B-2", 8.0, 4)});
  ASSERT_EQ(TextsOf(drawing, Role::kNote).size(), 1u);
  std::u16string note = TextsOf(drawing, Role::kNote)[0]->text;
  EXPECT_TRUE(Has(note, u"標高") && Has(note, u"基準 TP")) << ToUtf8(note);

  std::vector<const RectShape*> bands = RectsOf(drawing, Role::kLayer);
  ASSERT_EQ(bands.size(), 4u);
  double metre = ScaleValueAt(drawing, 0) - ScaleValueAt(drawing, 1);  // per unit
  EXPECT_NEAR(ScaleValueAt(drawing, bands[0]->y), 5.30, metre);
  EXPECT_NEAR(ScaleValueAt(drawing, bands[1]->y + bands[1]->height), -4.70, metre);
  EXPECT_NEAR(ScaleValueAt(drawing, bands[2]->y), 8.0, metre);
  EXPECT_NEAR(ScaleValueAt(drawing, bands[3]->y + bands[3]->height), 4.0, metre);

  std::vector<const TextShape*> grounds = TextsOf(drawing, Role::kGroundLevel);
  ASSERT_EQ(grounds.size(), 2u);
  EXPECT_EQ(grounds[0]->text, u"5.30");
}

TEST(OverviewLayoutTest, AnUnknownElevationOrAnotherDatumFallsBackToDepth) {
  struct Case {
    const char* what;
    OverviewBoring second;
    std::u16string_view reason;
  };
  const Case cases[] = {
      {"no elevation", Converted(u"B-2", std::nullopt, 4), u"標高の分からない"},
      {"another datum", Converted(u"B-2", 8.0, 4, u"ＤＬ"), u"基準が異なる"},
  };
  for (const Case& c : cases) {
    Drawing drawing = LayOutOverview({Converted(u"B-1", 5.30, 10), c.second});
    std::u16string note = TextsOf(drawing, Role::kNote).at(0)->text;
    EXPECT_TRUE(Has(note, u"深度") && Has(note, c.reason)) << c.what << ": " << ToUtf8(note);
    std::vector<const RectShape*> bands = RectsOf(drawing, Role::kLayer);
    ASSERT_EQ(bands.size(), 4u) << c.what;
    EXPECT_EQ(bands[0]->y, bands[2]->y) << c.what;  // both from the ground surface
    EXPECT_NEAR(ScaleValueAt(drawing, bands[0]->y), 0, 0.05) << c.what;
    EXPECT_NEAR(ScaleValueAt(drawing, bands[1]->y + bands[1]->height), 10, 0.05) << c.what;
  }
}

TEST(OverviewLayoutTest, AStoppedBoringKeepsItsPlaceSayingWhy) {
  Drawing drawing =
      LayOutOverview({Converted(u"B-1", 5.30, 10),
                      Stopped(u"B-2", u"変換元ファイルの 2 行目: 数値が扱える範囲を超えています。"),
                      Converted(u"B-3", 6.0, 8)});
  EXPECT_TRUE(Has(TextsOf(drawing, Role::kNote)[0]->text, u"標高"));  // the others still stand
  EXPECT_TRUE(Has(TextsOf(drawing, Role::kTitle)[0]->text, u"変換 2 本、停止 1 本"));

  std::vector<const TextShape*> names = TextsOf(drawing, Role::kBoringName);
  ASSERT_EQ(names.size(), 3u);
  EXPECT_EQ(names[1]->text, u"B-2");
  std::vector<const RectShape*> slots = RectsOf(drawing, Role::kStoppedSlot);
  ASSERT_EQ(slots.size(), 1u);
  EXPECT_LT(slots[0]->x, names[1]->at.x);
  EXPECT_GT(slots[0]->x + slots[0]->width, names[1]->at.x);
  std::vector<const TextShape*> reason = TextsOf(drawing, Role::kStopReason);
  ASSERT_GE(reason.size(), 2u);
  EXPECT_EQ(reason[0]->text, u"停止");
  EXPECT_TRUE(reason[1]->text.starts_with(u"変換元ファイル")) << ToUtf8(reason[1]->text);
  for (const TextShape* line : reason) {
    EXPECT_GE(line->at.x - EstimatedTextWidth(line->text, line->size) / 2, slots[0]->x);
  }
}

struct TextBox {
  double left, top, right, bottom;
};

TextBox BoxOf(const TextShape& text) {
  double width = EstimatedTextWidth(text.text, text.size);
  double left = text.anchor == Anchor::kStart    ? text.at.x
                : text.anchor == Anchor::kMiddle ? text.at.x - width / 2
                                                 : text.at.x - width;
  return {left, text.at.y - 0.8 * text.size, left + width, text.at.y + 0.2 * text.size};
}

TEST(OverviewLayoutTest, ThirtyBoringsWithoutTextRunningIntoText) {
  std::vector<OverviewBoring> borings;
  for (int i = 0; i < 30; ++i) {
    std::u16string name = u"BOREHOLE_SITE_201835400408-BED00" + FromUtf8(std::to_string(i));
    if (i % 7 == 3) {
      borings.push_back(Stopped(name,
                                u"変換元ファイルの 12 行目: 数値が扱える範囲（-32768～"
                                u"32767）を超えています。ほかにも長い説明が続きます。"));
      continue;
    }
    OverviewBoring boring = Converted(name, 1600.0 + (i * 37 % 180), 20.0f + static_cast<float>(i));
    boring.profile.layers.push_back({40.0f + static_cast<float>(i),
                                     FromUtf8(std::to_string(3000 + i)),
                                     u"礫混じり砂質シルト（風化した泥岩の破片を含む）"});
    for (float d = 2.15f; d < 40; d += 1) boring.profile.blows.push_back({d, 55 + i * 10});
    borings.push_back(std::move(boring));
  }
  Drawing drawing = LayOutOverview(borings);
  EXPECT_GE(drawing.width(), 30 * 100);

  std::vector<TextBox> boxes;
  for (const TextShape& text : drawing.texts()) boxes.push_back(BoxOf(text));
  ASSERT_GT(boxes.size(), 100u);
  for (std::size_t i = 0; i < boxes.size(); ++i) {
    const TextBox& a = boxes[i];
    EXPECT_TRUE(a.left >= 0 && a.right <= drawing.width() && a.top >= 0 &&
                a.bottom <= drawing.height())
        << ToUtf8(drawing.texts()[i].text);
    for (std::size_t j = i + 1; j < boxes.size(); ++j) {
      const TextBox& b = boxes[j];
      bool apart = a.right <= b.left || b.right <= a.left || a.bottom <= b.top || b.bottom <= a.top;
      EXPECT_TRUE(apart) << ToUtf8(drawing.texts()[i].text) << " / "
                         << ToUtf8(drawing.texts()[j].text);
    }
  }
}

// TITL02.TXT as the titles write it: the datum on line 18, the number on 19.
TEST(GroundLevelTest, ReadFromTheTitleLines) {
  struct Case {
    std::u16string datum_line;
    std::u16string number_line;
    std::optional<double> ground;
    std::u16string datum;
  };
  const Case cases[] = {
      {u"ＴＰ", u"+146.78", 146.78, u"ＴＰ"},
      {u"ＤＬ", u"-2.5", -2.5, u"ＤＬ"},
      {u"  ", u"+5.30", 5.30, u""},             // no datum the table knows
      {u"  ", u"        ", std::nullopt, u""},  // the record's field was empty
      {u"", u"", std::nullopt, u""},            // no elevation record
      {u"ＴＰ", u"+", std::nullopt, u""},
  };
  for (const Case& c : cases) {
    std::u16string text = u"B-1\r\n";
    for (int line = 2; line <= 17; ++line) text += u"\r\n";
    text += c.datum_line + u"\r\n" + c.number_line + u"\r\n      12.00\r\n";
    BoringProfile profile;
    ParseGroundLevel(text, profile);
    EXPECT_EQ(profile.ground, c.ground) << ToUtf8(c.number_line);
    EXPECT_EQ(profile.datum, c.datum) << ToUtf8(c.number_line);
  }
  BoringProfile short_titles;
  ParseGroundLevel(u"B-1\r\n\r\n", short_titles);
  EXPECT_FALSE(short_titles.ground);
}

TEST(TextExtentTest, NamesKeepTheirEndsAndReasonsWrap) {
  EXPECT_EQ(ElideStartToWidth(u"B-1", 10, 100), u"B-1");
  std::u16string end = ElideStartToWidth(u"BOREHOLE_SITE-BED0008", 10, 60);
  EXPECT_TRUE(end.starts_with(u"…") && end.ends_with(u"BED0008")) << ToUtf8(end);
  EXPECT_LE(EstimatedTextWidth(end, 10), 60);

  std::vector<std::u16string> lines = WrapToWidth(u"あいうえおかきくけこさしすせそ", 10, 40, 3);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0], u"あいうえ");
  EXPECT_EQ(lines[1], u"おかきく");
  EXPECT_EQ(lines[2], u"けこさ…");
  EXPECT_EQ(WrapToWidth(u"あい", 10, 40, 3), std::vector<std::u16string>{u"あい"});
}

}  // namespace
}  // namespace bc

// The picture's layout: bands, N points, the N axis end and the depth ticks.
#include "picture/picture_layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "picture/text_extent.h"
#include "text/utf8.h"

namespace bc {
namespace {

BoringProfile Sample() {
  BoringProfile profile;
  profile.name = u"B-1";
  profile.layers = {
      {1.5f, u"5010", u"表土"}, {4.2f, u"1200", u"砂質シルト"}, {12.0f, u"0000", u"礫"}};
  profile.blows = {{2.15f, 68}, {1.15f, 12}, {3.15f, 50}, {5.15f, 0}};
  return profile;
}

std::vector<const TextShape*> TextsOf(const Drawing& drawing, Role role) {
  std::vector<const TextShape*> found;
  for (const TextShape& text : drawing.texts()) {
    if (text.role == role) found.push_back(&text);
  }
  return found;
}

std::vector<const RectShape*> Bands(const Drawing& drawing) {
  std::vector<const RectShape*> found;
  for (const RectShape& rect : drawing.rects()) {
    if (rect.role == Role::kLayer) found.push_back(&rect);
  }
  return found;
}

TEST(DepthTicksTest, StepsOfOneTwoOrFiveTimesAPowerOfTen) {
  struct Case {
    double deepest;
    double step;
    double last;
  } cases[] = {{0, 1, 1},
               {0.3, 1, 1},
               {1, 1, 1},
               {10, 1, 10},
               {10.5, 2, 12},
               {18, 2, 18},
               {12.15, 2, 14},
               {20.01, 5, 25},
               {95, 10, 100},
               {101, 20, 120},
               {450, 50, 450},
               {1999, 200, 2000},
               {HUGE_VAL, 1e5, 1e6},
               {NAN, 1, 1}};
  for (const Case& c : cases) {
    std::vector<double> ticks = DepthTicks(c.deepest);
    ASSERT_GE(ticks.size(), 2u) << c.deepest;
    EXPECT_EQ(ticks.front(), 0) << c.deepest;
    EXPECT_DOUBLE_EQ(ticks[1], c.step) << c.deepest;
    EXPECT_DOUBLE_EQ(ticks.back(), c.last) << c.deepest;
    EXPECT_LE(ticks.size(), 11u) << c.deepest;
  }
}

TEST(PictureLayoutTest, OneBandPerLayerDownToItsDepth) {
  Drawing drawing = LayOutPicture(Sample(), kPictureFileWidth, kPictureFileHeight);
  std::vector<const RectShape*> bands = Bands(drawing);
  ASSERT_EQ(bands.size(), 3u);
  // Bands touch, and their heights keep the layers' proportions.
  for (std::size_t i = 1; i < bands.size(); ++i) {
    EXPECT_DOUBLE_EQ(bands[i]->y, bands[i - 1]->y + bands[i - 1]->height);
  }
  double metre = (bands[2]->y + bands[2]->height - bands[0]->y) / 12.0;
  EXPECT_NEAR(bands[0]->height, 1.5 * metre, 1.0);
  EXPECT_NEAR(bands[1]->height, 2.7 * metre, 1.0);
  EXPECT_EQ(bands[1]->tip, u"砂質シルト 1.50–4.20 m");
  EXPECT_NE(bands[0]->fill, bands[1]->fill);

  std::vector<const TextShape*> names = TextsOf(drawing, Role::kLayerName);
  ASSERT_EQ(names.size(), 3u);
  EXPECT_EQ(names[1]->text, u"砂質シルト");
  std::vector<const TextShape*> depths = TextsOf(drawing, Role::kLayerDepth);
  ASSERT_FALSE(depths.empty());
  EXPECT_EQ(depths.back()->text, u"12.00");

  std::vector<const TextShape*> titles = TextsOf(drawing, Role::kTitle);
  ASSERT_EQ(titles.size(), 1u);
  EXPECT_EQ(titles[0]->text, u"B-1");
}

TEST(PictureLayoutTest, OnePointPerNAndLargeNAtTheAxisEndWithItsValue) {
  Drawing drawing = LayOutPicture(Sample(), kPictureFileWidth, kPictureFileHeight);
  ASSERT_EQ(drawing.dots().size(), 4u);
  std::vector<const TextShape*> axis = TextsOf(drawing, Role::kNLabel);
  ASSERT_FALSE(axis.empty());
  EXPECT_EQ(axis.front()->text, u"0");
  EXPECT_EQ(axis.back()->text, u"50");
  double axis_end = axis.back()->at.x;

  // Points in depth order: 12, 68, 50, 0.
  const auto& dots = drawing.dots();
  EXPECT_LT(dots[0].centre.y, dots[1].centre.y);
  EXPECT_NEAR(dots[1].centre.x, axis_end, 1.0);  // 68 drawn at 50
  EXPECT_DOUBLE_EQ(dots[1].centre.x, dots[2].centre.x);
  EXPECT_NEAR(dots[3].centre.x, axis.front()->at.x, 1.0);
  EXPECT_NEAR(dots[0].centre.x - dots[3].centre.x, (axis_end - axis.front()->at.x) * 12 / 50, 1.0);
  EXPECT_EQ(dots[1].tip, u"N=68 2.15 m");

  // Only the N beyond the axis gets its value written, beside its point.
  std::vector<const TextShape*> values = TextsOf(drawing, Role::kNValue);
  ASSERT_EQ(values.size(), 1u);
  EXPECT_EQ(values[0]->text, u"68");
  EXPECT_GT(values[0]->at.x, dots[1].centre.x);
  EXPECT_NEAR(values[0]->at.y, dots[1].centre.y, values[0]->size);
  EXPECT_LE(values[0]->at.x + EstimatedTextWidth(values[0]->text, values[0]->size),
            kPictureFileWidth);

  ASSERT_EQ(drawing.polylines().size(), 1u);
  EXPECT_EQ(drawing.polylines()[0].points.size(), 4u);
}

// The left and right ends of a text as drawn from its anchor.
std::pair<double, double> TextSpan(const TextShape& text) {
  double width = EstimatedTextWidth(text.text, text.size);
  double left = text.anchor == Anchor::kStart    ? text.at.x
                : text.anchor == Anchor::kMiddle ? text.at.x - width / 2
                                                 : text.at.x - width;
  return {left, left + width};
}

// Every shape of drawing lies on its sheet.
void ExpectOnTheSheet(const Drawing& drawing) {
  const double w = drawing.width(), h = drawing.height();
  auto inside = [&](PointXY p) { return p.x >= 0 && p.x <= w && p.y >= 0 && p.y <= h; };
  for (const RectShape& r : drawing.rects()) {
    EXPECT_TRUE(inside({r.x, r.y}) && inside({r.x + r.width, r.y + r.height})) << r.y;
  }
  for (const LineShape& l : drawing.lines()) EXPECT_TRUE(inside(l.from) && inside(l.to)) << l.to.y;
  for (const PolylineShape& line : drawing.polylines()) {
    for (PointXY p : line.points) EXPECT_TRUE(inside(p)) << p.y;
  }
  for (const DotShape& d : drawing.dots()) {
    EXPECT_TRUE(inside({d.centre.x - d.radius, d.centre.y - d.radius}) &&
                inside({d.centre.x + d.radius, d.centre.y + d.radius}))
        << d.centre.y;
  }
  // A text's width is an estimate (0.6 em for every narrow character), so
  // it may reach a little past a side that its real glyphs keep to.
  constexpr double kEstimateSlack = 2;
  for (const TextShape& t : drawing.texts()) {
    auto [left, right] = TextSpan(t);
    EXPECT_TRUE(inside({left + kEstimateSlack, t.at.y - t.size}) &&
                inside({right - kEstimateSlack, t.at.y}))
        << ToUtf8(t.text);
  }
}

// A depth that is not a tick: the scale runs on to the next tick (18 m), and
// that tick, not the deepest depth, sits at the bottom of the drawing area.
TEST(PictureLayoutTest, ScaleEndsOnItsLastTickInsideTheSheet) {
  BoringProfile profile;
  profile.name = u"B-17";
  profile.layers = {{2.0f, u"5010", u"表土"}, {9.5f, u"1200", u"砂"}, {17.3f, u"0000", u"礫"}};
  profile.blows = {{1.15f, 3}, {9.15f, 25}, {16.15f, 50}, {17.15f, 80}};
  Drawing drawing = LayOutPicture(profile, kPictureFileWidth, kPictureFileHeight);
  ExpectOnTheSheet(drawing);

  std::vector<const TextShape*> labels = TextsOf(drawing, Role::kDepthLabel);
  ASSERT_EQ(labels.size(), 10u);
  EXPECT_EQ(labels.back()->text, u"18");
  const LineShape* axis = nullptr;
  const LineShape* last_tick = nullptr;
  for (const LineShape& line : drawing.lines()) {
    if (line.role == Role::kDepthAxis) axis = &line;
    if (line.role == Role::kDepthTick) last_tick = &line;
  }
  ASSERT_TRUE(axis && last_tick);
  EXPECT_DOUBLE_EQ(last_tick->from.y, axis->to.y);
  // The column stops where 17.3 m falls on the 18 m scale.
  const RectShape* deepest = Bands(drawing).back();
  double metre = (axis->to.y - axis->from.y) / 18;
  EXPECT_NEAR(deepest->y + deepest->height, axis->from.y + 17.3 * metre, 1.0);

  // The N axis is labelled every 10 up to 50, over the chart's width, and
  // each point lies at its own N (80 at 50) and depth.
  std::vector<const TextShape*> n_labels = TextsOf(drawing, Role::kNLabel);
  const std::u16string_view kNLabels[] = {u"0", u"10", u"20", u"30", u"40", u"50"};
  ASSERT_EQ(n_labels.size(), std::size(kNLabels));
  for (std::size_t i = 0; i < n_labels.size(); ++i) EXPECT_EQ(n_labels[i]->text, kNLabels[i]);
  // Only the N beyond the axis (80) has its value written; 50 is on it.
  std::vector<const TextShape*> values = TextsOf(drawing, Role::kNValue);
  ASSERT_EQ(values.size(), 1u);
  EXPECT_EQ(values[0]->text, u"80");
  double zero = n_labels.front()->at.x, per_n = (n_labels.back()->at.x - zero) / 50;
  const int shown[] = {3, 25, 50, 50};
  ASSERT_EQ(drawing.dots().size(), 4u);
  for (std::size_t i = 0; i < 4; ++i) {
    EXPECT_NEAR(drawing.dots()[i].centre.x, zero + shown[i] * per_n, 1.0) << i;
    EXPECT_NEAR(drawing.dots()[i].centre.y, axis->from.y + profile.blows[i].depth * metre, 1.0);
  }
}

TEST(PictureLayoutTest, TipsOfWhatIsPointedAt) {
  Drawing drawing = LayOutPicture(Sample(), 300, 500);
  const RectShape* band = Bands(drawing)[1];
  EXPECT_EQ(drawing.TipAt({band->x + 5, band->y + band->height - 1}), band->tip);
  const DotShape& dot = drawing.dots()[1];
  EXPECT_EQ(drawing.TipAt({dot.centre.x + 4, dot.centre.y}), u"N=68 2.15 m");
  EXPECT_EQ(drawing.TipAt({dot.centre.x + 6, dot.centre.y}), u"");
  EXPECT_EQ(drawing.TipAt({2, 2}), u"");  // the background has none
}

TEST(PictureLayoutTest, NamesAreShortenedToTheirBand) {
  BoringProfile profile = Sample();
  profile.layers[2].name = u"礫混じり砂質シルト（風化した花崗岩の破片を多く含む）";
  Drawing drawing = LayOutPicture(profile, 260, 300);
  const RectShape* band = Bands(drawing)[2];
  const TextShape* name = TextsOf(drawing, Role::kLayerName).back();
  EXPECT_EQ(name->text.back(), u'…');
  EXPECT_LE(EstimatedTextWidth(name->text, name->size), band->width - 6);
  EXPECT_EQ(band->tip.substr(0, 4), u"礫混じり");  // the whole name stays in the tip
}

TEST(PictureLayoutTest, EmptyProfileHasScalesOnly) {
  Drawing drawing = LayOutPicture(BoringProfile{}, 300, 400);
  EXPECT_TRUE(Bands(drawing).empty());
  EXPECT_TRUE(drawing.dots().empty());
  EXPECT_TRUE(TextsOf(drawing, Role::kNLabel).empty());
  EXPECT_TRUE(TextsOf(drawing, Role::kTitle).empty());
  std::vector<const TextShape*> ticks = TextsOf(drawing, Role::kDepthLabel);
  ASSERT_EQ(ticks.size(), 2u);
  EXPECT_EQ(ticks[1]->text, u"1");
}

// X5.TXT: line, depth, blows, N, penetration, then the stages. The picture
// takes the N, never the blows beside it.
TEST(BoringProfileTest, BlowCountsTakeTheNColumn) {
  BoringProfile profile;
  ParseBlowCounts(
      u"  1,   1.15, 50, 68, 22, 50, 22,  0,  0,  0,  0\r\n"
      u"  2,   2.15,  7, 10, 21,  3, 10,  4, 11,  0,  0\r\n"
      u"  3,   x, 1, 1, 1\r\n",
      profile);
  ASSERT_EQ(profile.blows.size(), 2u);
  EXPECT_EQ(profile.blows[0].depth, 1.15f);
  EXPECT_EQ(profile.blows[0].n, 68);
  EXPECT_EQ(profile.blows[1].n, 10);
}

TEST(TextExtentTest, ElidesToTheWidth) {
  EXPECT_EQ(ElideToWidth(u"砂", 12, 12), u"砂");
  EXPECT_EQ(ElideToWidth(u"砂礫岩", 12, 30), u"砂…");
  EXPECT_EQ(ElideToWidth(u"砂礫岩", 12, 10), u"");
  EXPECT_DOUBLE_EQ(EstimatedTextWidth(u"Nｶ砂", 10), 6 + 6 + 10);
}

}  // namespace
}  // namespace bc

#include "picture/overview_layout.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

#include "picture/band_colour.h"
#include "picture/boring_column.h"
#include "picture/picture_style.h"
#include "picture/text_extent.h"
#include "picture/vertical_scale.h"
#include "text/utf8.h"
#include "text/width.h"

namespace bc {
namespace {

constexpr double kMargin = 12;
constexpr double kAxisWidth = 60;  // left of the first slot, for the scale's labels
constexpr double kSlotWidth = 112;
constexpr double kColumnLeft = 8;  // within a slot
constexpr double kColumnWidth = 26;
constexpr double kChartLeft = 42;
constexpr double kChartWidth = 48;
constexpr double kTitleBaseline = 20;
constexpr double kNoteBaseline = 38;
constexpr double kNameBaseline = 56;
constexpr double kGroundBaseline = 70;
constexpr double kPlotTop = 88;
constexpr double kPlotHeight = 560;
constexpr double kLegendTop = kPlotTop + kPlotHeight + 24;
constexpr double kLegendRow = 18;
constexpr double kLegendSize = 11;
constexpr double kOverviewTitleSize = 14;

constexpr Colour kStopRed{170, 30, 30};
constexpr Colour kSlotGrey{246, 246, 246};

// The common vertical scale, and what the note says of it.
struct Vertical {
  VerticalScale axis;
  std::vector<Tick> ticks;
  std::optional<double> top_elevation;  // set when borings stand at their elevations
  std::u16string heading;
  std::u16string note;
};

std::u16string Count(std::size_t n) { return FromUtf8(std::to_string(n)); }

// Why the borings cannot stand at their elevations; empty when they can,
// with datum set to the one datum named.
std::u16string DepthReason(const std::vector<OverviewBoring>& borings, std::u16string* datum) {
  bool any = false;
  for (const OverviewBoring& boring : borings) {
    if (!boring.converted) continue;
    any = true;
    const BoringProfile& profile = boring.profile;
    if (!profile.ground) return u"標高の分からないボーリングがあるため、";
    if (profile.datum.empty()) continue;
    if (!datum->empty() && *datum != profile.datum) return u"標高の基準が異なるため、";
    *datum = profile.datum;
  }
  return any ? u"" : u"変換できたボーリングがないため、";
}

Vertical ElevationScale(const std::vector<OverviewBoring>& borings, const std::u16string& datum) {
  double high = -std::numeric_limits<double>::infinity();
  double low = std::numeric_limits<double>::infinity();
  for (const OverviewBoring& boring : borings) {
    if (!boring.converted) continue;
    high = std::max(high, *boring.profile.ground);
    low = std::min(low, *boring.profile.ground - boring.profile.Depth());
  }
  std::vector<double> values = RangeTicks(low, high);
  Vertical v;
  v.top_elevation = values.back();
  v.axis = {kPlotTop, kPlotHeight, 0, values.back() - values.front()};
  for (auto value = values.rbegin(); value != values.rend(); ++value) {
    v.ticks.push_back({values.back() - *value, TickLabel(*value)});
  }
  v.heading = u"標高(m)";
  std::u16string named = datum.empty() ? u"" : u"、基準 " + ToHalfWidth(datum);
  v.note = u"縦軸: 標高 (m)" + named + u"。各孔を孔口の標高に置いています。";
  return v;
}

Vertical DepthScale(const std::vector<OverviewBoring>& borings, const std::u16string& reason) {
  double deepest = 0;
  for (const OverviewBoring& boring : borings) {
    if (boring.converted) deepest = std::max<double>(deepest, boring.profile.Depth());
  }
  std::vector<double> depths = DepthTicks(deepest);
  Vertical v;
  v.axis = {kPlotTop, kPlotHeight, 0, depths.back()};
  for (double d : depths) v.ticks.push_back({d, TickLabel(d)});
  v.heading = u"深度(m)";
  v.note = u"縦軸: 地表面からの深度 (m)。" + reason + u"各孔を地表面から描いています。";
  return v;
}

Vertical ChooseScale(const std::vector<OverviewBoring>& borings) {
  std::u16string datum;
  std::u16string reason = DepthReason(borings, &datum);
  return reason.empty() ? ElevationScale(borings, datum) : DepthScale(borings, reason);
}

void Text(Drawing& drawing, Role role, PointXY at, std::u16string text, Anchor anchor,
          Colour colour, double size, bool bold = false) {
  drawing.Add(TextShape{role, at, std::move(text), anchor, size, colour, bold});
}

void NameAndGround(Drawing& drawing, const BoringProfile& profile, double left) {
  double centre = left + kSlotWidth / 2;
  std::u16string name = ElideStartToWidth(profile.name, kTextSize, kSlotWidth - 14);
  if (!name.empty()) {
    Text(drawing, Role::kBoringName, {centre, kNameBaseline}, name, Anchor::kMiddle, kHeadingGrey,
         kTextSize, true);
  }
  if (profile.ground) {
    Text(drawing, Role::kGroundLevel, {centre, kGroundBaseline}, MetresLabel(*profile.ground),
         Anchor::kMiddle, kTickGrey, kValueSize);
  }
}

void Converted(Drawing& drawing, const Vertical& v, const BoringProfile& profile, double left) {
  NameAndGround(drawing, profile, left);
  VerticalScale scale = v.axis;
  if (v.top_elevation) scale.first = *profile.ground - *v.top_elevation;
  double top = scale.Y(0);
  double bottom = scale.Y(profile.Depth());
  DrawSoilColumn(drawing, profile.layers, scale, {left + kColumnLeft, top, kColumnWidth, 0}, false);
  if (profile.blows.empty()) return;
  Box chart{left + kChartLeft, top, kChartWidth, bottom - top};
  DrawBlowCounts(drawing, profile.blows, scale, chart, kValueSize);
}

void Stopped(Drawing& drawing, const OverviewBoring& boring, double left) {
  NameAndGround(drawing, boring.profile, left);
  double width = kSlotWidth - 2 * kColumnLeft;
  drawing.Add(RectShape{Role::kStoppedSlot, left + kColumnLeft, kPlotTop, width, kPlotHeight,
                        kSlotGrey, kFrameGrey, boring.stop_reason});
  double centre = left + kSlotWidth / 2;
  Text(drawing, Role::kStopReason, {centre, kPlotTop + 22}, u"停止", Anchor::kMiddle, kStopRed,
       kTextSize, true);
  double baseline = kPlotTop + 42;
  for (std::u16string& line : WrapToWidth(boring.stop_reason, kValueSize, width - 8, 8)) {
    Text(drawing, Role::kStopReason, {centre, baseline}, std::move(line), Anchor::kMiddle, kStopRed,
         kValueSize);
    baseline += kLine;
  }
}

// Each soil of the site once, in the order first met, with its colour.
std::vector<const SoilBand*> Soils(const std::vector<OverviewBoring>& borings) {
  std::vector<const SoilBand*> soils;
  for (const OverviewBoring& boring : borings) {
    for (const SoilBand& layer : boring.profile.layers) {
      auto same = [&](const SoilBand* soil) { return soil->code == layer.code; };
      if (std::none_of(soils.begin(), soils.end(), same)) soils.push_back(&layer);
    }
  }
  return soils;
}

// Lays the legend out in rows across width from top; returns its bottom.
// With no drawing, only measures.
double Legend(Drawing* drawing, const std::vector<const SoilBand*>& soils, double width) {
  double x = kMargin;
  double top = kLegendTop;
  for (const SoilBand* soil : soils) {
    std::u16string name = ElideToWidth(soil->name.empty() ? soil->code : soil->name, kLegendSize,
                                       std::min(240.0, width - 2 * kMargin - 16));
    double item = 16 + EstimatedTextWidth(name, kLegendSize) + 16;
    if (x > kMargin && x + item > width - kMargin) {
      x = kMargin;
      top += kLegendRow;
    }
    if (drawing) {
      drawing->Add(RectShape{Role::kLegendSwatch, x, top, 12, 12, BandColour(soil->code), kBandEdge,
                             soil->name});
      Text(*drawing, Role::kLegendName, {x + 16, top + 10}, name, Anchor::kStart, kBandEdge,
           kLegendSize);
    }
    x += item;
  }
  return soils.empty() ? kPlotTop + kPlotHeight + 8 : top + kLegendRow;
}

std::u16string Title(const std::vector<OverviewBoring>& borings) {
  std::size_t converted = std::count_if(borings.begin(), borings.end(),
                                        [](const OverviewBoring& b) { return b.converted; });
  return u"ボーリング一覧　変換 " + Count(converted) + u" 本、停止 " +
         Count(borings.size() - converted) + u" 本";
}

}  // namespace

Drawing LayOutOverview(const std::vector<OverviewBoring>& borings) {
  Vertical v = ChooseScale(borings);
  std::u16string title = Title(borings);
  double width = std::max({kAxisWidth + static_cast<double>(borings.size()) * kSlotWidth + kMargin,
                           420.0, EstimatedTextWidth(v.note, kTextSize) + 2 * kMargin,
                           EstimatedTextWidth(title, kOverviewTitleSize) + 2 * kMargin});
  width = std::ceil(width);
  std::vector<const SoilBand*> soils = Soils(borings);
  Drawing drawing(width, std::ceil(Legend(nullptr, soils, width) + kMargin));
  drawing.Add(RectShape{Role::kBackground, 0, 0, width, drawing.height(), kWhite, {}, {}});
  drawing.Add(RectShape{
      Role::kFrame, 0.5, 0.5, width - 1, drawing.height() - 1, std::nullopt, kFrameGrey, {}});
  Text(drawing, Role::kTitle, {kMargin, kTitleBaseline}, title, Anchor::kStart, kHeadingGrey,
       kOverviewTitleSize, true);
  Text(drawing, Role::kNote, {kMargin, kNoteBaseline}, v.note, Anchor::kStart, kHeadingGrey,
       kTextSize);
  Text(drawing, Role::kHeading, {kAxisWidth / 2, kNameBaseline}, v.heading, Anchor::kMiddle,
       kHeadingGrey, kTextSize);
  DrawScale(drawing, v.axis, kAxisWidth - 4, width - kMargin, v.ticks);
  for (std::size_t i = 0; i < borings.size(); ++i) {
    double left = kAxisWidth + static_cast<double>(i) * kSlotWidth;
    if (borings[i].converted) {
      Converted(drawing, v, borings[i].profile, left);
    } else {
      Stopped(drawing, borings[i], left);
    }
  }
  Legend(&drawing, soils, width);
  return drawing;
}

}  // namespace bc

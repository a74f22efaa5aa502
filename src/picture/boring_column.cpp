#include "picture/boring_column.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "picture/band_colour.h"
#include "picture/picture_style.h"
#include "picture/text_extent.h"
#include "text/utf8.h"

namespace bc {
namespace {

std::u16string LayerTip(const SoilBand& layer, double top) {
  std::u16string tip = layer.name;
  tip.append(u" ")
      .append(MetresLabel(top))
      .append(u"–")
      .append(MetresLabel(layer.bottom))
      .append(u" m");
  return tip;
}

std::u16string PointTip(const BlowCount& blow) {
  std::u16string tip = u"N=";
  tip.append(FromUtf8(std::to_string(blow.n))).append(u" ").append(MetresLabel(blow.depth));
  return tip.append(u" m");
}

void Text(Drawing& drawing, Role role, PointXY at, std::u16string text, Anchor anchor,
          Colour colour, double size = kTextSize) {
  drawing.Add(TextShape{role, at, std::move(text), anchor, size, colour, false});
}

void BandLabels(Drawing& drawing, const SoilBand& layer, const Box& band, bool last) {
  if (band.height >= kLine) {
    std::u16string name = ElideToWidth(layer.name, kTextSize, band.width - 6);
    if (!name.empty()) {
      Text(drawing, Role::kLayerName,
           {band.left + band.width / 2, CentredBaseline(band.top + band.height / 2, kTextSize)},
           name, Anchor::kMiddle, kBandEdge);
    }
  }
  if (band.height >= 2 * kLine || last) {
    Text(drawing, Role::kLayerDepth, {band.Right() - 3, band.top + band.height - 3},
         MetresLabel(layer.bottom), Anchor::kEnd, kBandEdge);
  }
}

void NAxis(Drawing& drawing, const Box& chart, double label_size) {
  auto x = [&](int n) { return chart.left + static_cast<double>(n) / kMostN * chart.width; };
  int labels = std::max(1, static_cast<int>(chart.width / 34));
  int step = kMostN / 10 <= labels ? 10 : labels >= 2 ? 25 : 50;
  for (int n = 0; n <= kMostN; n += step) {
    double at = std::floor(x(n));
    drawing.Add(
        LineShape{Role::kNGrid, {at, chart.top}, {at, chart.top + chart.height}, kGridGrey});
    Text(drawing, Role::kNLabel, {at, chart.top - 5}, FromUtf8(std::to_string(n)), Anchor::kMiddle,
         kTickGrey, label_size);
  }
}

}  // namespace

void DrawScale(Drawing& drawing, const VerticalScale& scale, double left, double right,
               const std::vector<Tick>& ticks) {
  drawing.Add(
      LineShape{Role::kDepthAxis, {left, scale.top}, {left, scale.top + scale.height}, kAxisGrey});
  for (const Tick& tick : ticks) {
    double y = scale.Y(tick.depth);
    drawing.Add(LineShape{Role::kDepthGrid, {left + 1, y}, {right, y}, kGridGrey});
    drawing.Add(LineShape{Role::kDepthTick, {left - 4, y}, {left, y}, kTickGrey});
    Text(drawing, Role::kDepthLabel, {left - 6, CentredBaseline(y, kTextSize)}, tick.label,
         Anchor::kEnd, kTickGrey);
  }
}

void DrawSoilColumn(Drawing& drawing, const std::vector<SoilBand>& layers,
                    const VerticalScale& scale, const Box& column, bool labels) {
  double top = 0;
  for (const SoilBand& layer : layers) {
    double bottom = std::max<double>(layer.bottom, top);
    double y1 = scale.Y(top);
    double y2 = scale.Y(bottom);
    Box band{column.left, y1, column.width, std::max(1.0, y2 - y1)};
    drawing.Add(RectShape{Role::kLayer, band.left, band.top, band.width, band.height,
                          BandColour(layer.code), kBandEdge, LayerTip(layer, top)});
    if (labels)
      BandLabels(drawing, layer, {band.left, y1, band.width, y2 - y1}, &layer == &layers.back());
    top = bottom;
  }
}

void DrawBlowCounts(Drawing& drawing, const std::vector<BlowCount>& blows,
                    const VerticalScale& scale, const Box& chart, double label_size) {
  NAxis(drawing, chart, label_size);
  auto x = [&](int n) { return chart.left + static_cast<double>(n) / kMostN * chart.width; };
  std::vector<BlowCount> sorted = blows;
  std::stable_sort(sorted.begin(), sorted.end(),
                   [](const BlowCount& a, const BlowCount& b) { return a.depth < b.depth; });
  PolylineShape line{Role::kNLine, {}, kNRed, 1.5};
  for (const BlowCount& blow : sorted) {
    line.points.push_back({x(std::clamp(blow.n, 0, kMostN)), scale.ExactY(blow.depth)});
  }
  if (line.points.size() > 1) drawing.Add(line);
  double last_value = -std::numeric_limits<double>::infinity();
  for (std::size_t i = 0; i < sorted.size(); ++i) {
    PointXY at = line.points[i];
    drawing.Add(DotShape{Role::kNPoint, at, 3, kNRed, PointTip(sorted[i])});
    if (sorted[i].n > kMostN && at.y - last_value >= kValueSize) {
      Text(drawing, Role::kNValue, {at.x + 5, CentredBaseline(at.y, kValueSize)},
           FromUtf8(std::to_string(sorted[i].n)), Anchor::kStart, kNRed, kValueSize);
      last_value = at.y;
    }
  }
}

}  // namespace bc

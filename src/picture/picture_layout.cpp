#include "picture/picture_layout.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

#include "picture/band_colour.h"
#include "picture/text_extent.h"
#include "text/utf8.h"

namespace bc {
namespace {

constexpr double kTitleBaseline = 16;
constexpr double kHeadingBaseline = 33;
constexpr double kTop = 56;
constexpr double kBottom = 12;
constexpr double kScaleWidth = 44;
constexpr double kValueRoom = 24;  // right of the N axis, for values beyond it
constexpr double kTextSize = 12;
constexpr double kTitleSize = 13;
constexpr double kValueSize = 10;
constexpr double kLine = 15;  // height of a line of text

constexpr Colour kWhite{255, 255, 255};
constexpr Colour kFrameGrey{160, 160, 160};
constexpr Colour kHeadingGrey{40, 40, 40};
constexpr Colour kAxisGrey{120, 120, 120};
constexpr Colour kGridGrey{225, 225, 225};
constexpr Colour kTickGrey{80, 80, 80};
constexpr Colour kBandEdge{60, 60, 60};
constexpr Colour kNRed{200, 40, 40};

// The baseline that centres a line of text on y.
double CentredBaseline(double y, double size) { return y + 0.35 * size; }

// Locale-free, whatever the program's C locale: a window may set one.
std::u16string Shortest(double value) {
  char text[32];
  auto [end, ec] = std::to_chars(text, text + sizeof text, value);
  return FromUtf8(std::string_view(text, ec == std::errc() ? end - text : 0));
}

std::u16string Metres(double value) {
  char text[32];
  auto [end, ec] = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, 2);
  return FromUtf8(std::string_view(text, ec == std::errc() ? end - text : 0));
}

std::u16string LayerTip(const SoilBand& layer, double top) {
  std::u16string tip = layer.name;
  tip.append(u" ").append(Metres(top)).append(u"–").append(Metres(layer.bottom)).append(u" m");
  return tip;
}

std::u16string PointTip(const BlowCount& blow) {
  std::u16string tip = u"N=";
  tip.append(FromUtf8(std::to_string(blow.n))).append(u" ").append(Metres(blow.depth));
  return tip.append(u" m");
}

// Maps depths to the vertical units of the drawing area.
struct DepthScale {
  double depth;
  double top;
  double height;
  // Whole units, so that thin lines fall on the same pixels in every renderer.
  double Y(double d) const { return std::floor(top + d / depth * height); }
};

struct Box {
  double left, top, width, height;
  double Right() const { return left + width; }
};

class PictureBuilder {
 public:
  PictureBuilder(const BoringProfile& profile, double width, double height)
      : profile_(profile), drawing_(width, height) {}

  Drawing Build();

 private:
  template <typename T>
  void Add(T shape) {
    drawing_.Add(std::move(shape));
  }
  void Text(Role role, double x, double baseline, std::u16string text, Anchor anchor, Colour colour,
            double size = kTextSize, bool bold = false) {
    Add(TextShape{role, {x, baseline}, std::move(text), anchor, size, colour, bold});
  }
  void Headings(const Box& column, const Box& chart);
  void Scale(const DepthScale& scale, double left, double right, const std::vector<double>& ticks);
  void SoilColumn(const DepthScale& scale, const Box& column);
  void BlowCounts(const DepthScale& scale, const Box& chart);

  const BoringProfile& profile_;
  Drawing drawing_;
};

Drawing PictureBuilder::Build() {
  double width = drawing_.width();
  double height = drawing_.height();
  Add(RectShape{Role::kBackground, 0, 0, width, height, kWhite, std::nullopt, {}});
  Add(RectShape{Role::kFrame, 0.5, 0.5, width - 1, height - 1, std::nullopt, kFrameGrey, {}});
  std::u16string title = ElideToWidth(profile_.name, kTitleSize, width - 8);
  if (!title.empty()) {
    Text(Role::kTitle, width / 2, kTitleBaseline, title, Anchor::kMiddle, kHeadingGrey, kTitleSize,
         true);
  }
  std::vector<double> ticks = DepthTicks(profile_.Depth());
  DepthScale scale{ticks.back(), kTop, std::max(1.0, height - kTop - kBottom)};
  double inner = width - kScaleWidth - 10;
  Box column{kScaleWidth, kTop, std::floor(std::max(0.0, inner * 2 / 5)), scale.height};
  double chart_left = column.Right() + 14;
  Box chart{chart_left, kTop, std::max(0.0, width - 12 - kValueRoom - chart_left), scale.height};
  Headings(column, chart);
  Scale(scale, kScaleWidth - 2, width - 10, ticks);
  SoilColumn(scale, column);
  if (!profile_.blows.empty()) BlowCounts(scale, chart);
  return std::move(drawing_);
}

void PictureBuilder::Headings(const Box& column, const Box& chart) {
  Text(Role::kHeading, kScaleWidth / 2, kHeadingBaseline, u"深度(m)", Anchor::kMiddle,
       kHeadingGrey);
  Text(Role::kHeading, column.left + column.width / 2, kHeadingBaseline, u"土質柱状",
       Anchor::kMiddle, kHeadingGrey);
  Text(Role::kHeading, chart.left + chart.width / 2, kHeadingBaseline, u"N値", Anchor::kMiddle,
       kHeadingGrey);
}

void PictureBuilder::Scale(const DepthScale& scale, double left, double right,
                           const std::vector<double>& ticks) {
  Add(LineShape{Role::kDepthAxis, {left, scale.top}, {left, scale.top + scale.height}, kAxisGrey});
  for (double d : ticks) {
    double y = scale.Y(d);
    Add(LineShape{Role::kDepthGrid, {left + 1, y}, {right, y}, kGridGrey});
    Add(LineShape{Role::kDepthTick, {left - 4, y}, {left, y}, kTickGrey});
    Text(Role::kDepthLabel, left - 6, CentredBaseline(y, kTextSize), Shortest(d), Anchor::kEnd,
         kTickGrey);
  }
}

void PictureBuilder::SoilColumn(const DepthScale& scale, const Box& column) {
  double top = 0;
  for (const SoilBand& layer : profile_.layers) {
    double bottom = std::max<double>(layer.bottom, top);
    double y1 = scale.Y(top);
    double y2 = scale.Y(bottom);
    Box band{column.left, y1, column.width, std::max(1.0, y2 - y1)};
    Add(RectShape{Role::kLayer, band.left, band.top, band.width, band.height,
                  BandColour(layer.code), kBandEdge, LayerTip(layer, top)});
    if (band.height >= kLine) {
      std::u16string name = ElideToWidth(layer.name, kTextSize, band.width - 6);
      if (!name.empty()) {
        Text(Role::kLayerName, band.left + band.width / 2,
             CentredBaseline(band.top + band.height / 2, kTextSize), name, Anchor::kMiddle,
             kBandEdge);
      }
    }
    if (band.height >= 2 * kLine || &layer == &profile_.layers.back()) {
      Text(Role::kLayerDepth, band.Right() - 3, y2 - 3, Metres(layer.bottom), Anchor::kEnd,
           kBandEdge);
    }
    top = bottom;
  }
}

void PictureBuilder::BlowCounts(const DepthScale& scale, const Box& chart) {
  auto x = [&](int n) { return chart.left + static_cast<double>(n) / kMostN * chart.width; };
  int labels = std::max(1, static_cast<int>(chart.width / 34));
  int step = kMostN / 10 <= labels ? 10 : labels >= 2 ? 25 : 50;
  for (int n = 0; n <= kMostN; n += step) {
    double at = std::floor(x(n));
    Add(LineShape{Role::kNGrid, {at, scale.top}, {at, scale.top + scale.height}, kGridGrey});
    Text(Role::kNLabel, at, scale.top - 5, FromUtf8(std::to_string(n)), Anchor::kMiddle, kTickGrey);
  }
  std::vector<BlowCount> blows = profile_.blows;
  std::stable_sort(blows.begin(), blows.end(),
                   [](const BlowCount& a, const BlowCount& b) { return a.depth < b.depth; });
  PolylineShape line{Role::kNLine, {}, kNRed, 1.5};
  for (const BlowCount& blow : blows) {
    line.points.push_back(
        {x(std::clamp(blow.n, 0, kMostN)), scale.top + blow.depth / scale.depth * scale.height});
  }
  if (line.points.size() > 1) Add(line);
  for (std::size_t i = 0; i < blows.size(); ++i) {
    PointXY at = line.points[i];
    Add(DotShape{Role::kNPoint, at, 3, kNRed, PointTip(blows[i])});
    if (blows[i].n > kMostN) {
      Text(Role::kNValue, at.x + 5, CentredBaseline(at.y, kValueSize),
           FromUtf8(std::to_string(blows[i].n)), Anchor::kStart, kNRed, kValueSize);
    }
  }
}

}  // namespace

std::vector<double> DepthTicks(double deepest) {
  // A hand-edited X1.TXT may hold anything; a scale of kilometres is plenty.
  constexpr double kDeepestScale = 1e6;
  deepest = std::isnan(deepest) ? 1.0 : std::clamp(deepest, 1.0, kDeepestScale);
  double step = 1;
  for (double power = 1; deepest / step > 10; power *= 10) {
    for (double factor : {1.0, 2.0, 5.0}) {
      step = factor * power;
      if (deepest / step <= 10) break;
    }
  }
  double count = std::ceil(deepest / step - 1e-9);
  std::vector<double> ticks;
  for (double i = 0; i <= count; ++i) ticks.push_back(i * step);
  return ticks;
}

Drawing LayOutPicture(const BoringProfile& profile, double width, double height) {
  return PictureBuilder(profile, width, height).Build();
}

}  // namespace bc

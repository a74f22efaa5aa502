#include "picture/picture_layout.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "picture/picture_style.h"
#include "picture/text_extent.h"

namespace bc {
namespace {

constexpr double kTitleBaseline = 16;
constexpr double kHeadingBaseline = 33;
constexpr double kTop = 56;
constexpr double kBottom = 12;
constexpr double kScaleWidth = 44;
constexpr double kValueRoom = 24;  // right of the N axis, for values beyond it

void Heading(Drawing& drawing, double x, std::u16string text) {
  drawing.Add(TextShape{Role::kHeading,
                        {x, kHeadingBaseline},
                        std::move(text),
                        Anchor::kMiddle,
                        kTextSize,
                        kHeadingGrey,
                        false});
}

}  // namespace

Drawing LayOutPicture(const BoringProfile& profile, double width, double height) {
  Drawing drawing(width, height);
  drawing.Add(RectShape{Role::kBackground, 0, 0, width, height, kWhite, std::nullopt, {}});
  drawing.Add(
      RectShape{Role::kFrame, 0.5, 0.5, width - 1, height - 1, std::nullopt, kFrameGrey, {}});
  std::u16string title = ElideToWidth(profile.name, kTitleSize, width - 8);
  if (!title.empty()) {
    drawing.Add(TextShape{Role::kTitle,
                          {width / 2, kTitleBaseline},
                          title,
                          Anchor::kMiddle,
                          kTitleSize,
                          kHeadingGrey,
                          true});
  }
  std::vector<double> depths = DepthTicks(profile.Depth());
  VerticalScale scale{kTop, std::max(1.0, height - kTop - kBottom), 0, depths.back()};
  double inner = width - kScaleWidth - 10;
  Box column{kScaleWidth, kTop, std::floor(std::max(0.0, inner * 2 / 5)), scale.height};
  double chart_left = column.Right() + 14;
  Box chart{chart_left, kTop, std::max(0.0, width - 12 - kValueRoom - chart_left), scale.height};
  Heading(drawing, kScaleWidth / 2, u"深度(m)");
  Heading(drawing, column.left + column.width / 2, u"土質柱状");
  Heading(drawing, chart.left + chart.width / 2, u"N値");
  std::vector<Tick> ticks;
  for (double d : depths) ticks.push_back({d, TickLabel(d)});
  DrawScale(drawing, scale, kScaleWidth - 2, width - 10, ticks);
  DrawSoilColumn(drawing, profile.layers, scale, column, true);
  if (!profile.blows.empty()) DrawBlowCounts(drawing, profile.blows, scale, chart, kTextSize);
  return drawing;
}

}  // namespace bc

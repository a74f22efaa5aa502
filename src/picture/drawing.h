// A laid-out picture as plain primitives in abstract units (one unit is one
// pixel on screen). Renderers paint the primitives in order and decide
// nothing themselves, so every renderer shows the same picture.
#ifndef BORINGCONV_PICTURE_DRAWING_H_
#define BORINGCONV_PICTURE_DRAWING_H_

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace bc {

struct Colour {
  std::uint8_t r = 0;
  std::uint8_t g = 0;
  std::uint8_t b = 0;
  bool operator==(const Colour&) const = default;
};

// What a primitive stands for; renderers may tag it (an SVG class), tests
// find parts of the picture by it.
enum class Role {
  kBackground,
  kFrame,
  kTitle,
  kHeading,
  kDepthAxis,
  kDepthGrid,
  kDepthTick,
  kDepthLabel,
  kLayer,
  kLayerName,
  kLayerDepth,
  kNGrid,
  kNLabel,
  kNLine,
  kNPoint,
  kNValue,  // the value of an N beyond the axis, beside its point
  // The overview of a site:
  kNote,          // what the vertical scale is, and why
  kBoringName,    // above a boring's column
  kGroundLevel,   // a boring's ground elevation, below its name
  kStoppedSlot,   // the empty place of a boring that did not convert
  kStopReason,    // what stopped it
  kLegendSwatch,  // the colour of a soil...
  kLegendName,    // ...and its name
};

struct PointXY {
  double x = 0;
  double y = 0;
};

struct RectShape {
  Role role = Role::kBackground;
  double x = 0;
  double y = 0;
  double width = 0;
  double height = 0;
  std::optional<Colour> fill;
  std::optional<Colour> stroke;  // one unit wide
  std::u16string tip;            // what the shape stands for, in words; not drawn
};

struct LineShape {
  Role role = Role::kBackground;
  PointXY from;
  PointXY to;
  Colour colour;
  double width = 1;
};

struct PolylineShape {
  Role role = Role::kBackground;
  std::vector<PointXY> points;
  Colour colour;
  double width = 1;
};

struct DotShape {
  Role role = Role::kBackground;
  PointXY centre;
  double radius = 0;
  Colour colour;
  std::u16string tip;
};

enum class Anchor { kStart, kMiddle, kEnd };

// Text on a baseline: at drawn from the anchor's side of the text.
struct TextShape {
  Role role = Role::kBackground;
  PointXY at;
  std::u16string text;
  Anchor anchor = Anchor::kStart;
  double size = 12;  // em height in units
  Colour colour;
  bool bold = false;
};

enum class ShapeKind { kRect, kLine, kPolyline, kDot, kText };

// The shapes of each kind, and the order to paint them in.
class Drawing {
 public:
  Drawing(double width, double height) : width_(width), height_(height) {}

  double width() const { return width_; }
  double height() const { return height_; }

  void Add(RectShape shape) { Append(rects_, std::move(shape), ShapeKind::kRect); }
  void Add(LineShape shape) { Append(lines_, std::move(shape), ShapeKind::kLine); }
  void Add(PolylineShape shape) { Append(polylines_, std::move(shape), ShapeKind::kPolyline); }
  void Add(DotShape shape) { Append(dots_, std::move(shape), ShapeKind::kDot); }
  void Add(TextShape shape) { Append(texts_, std::move(shape), ShapeKind::kText); }

  // Calls paint(shape) for every shape, first added first.
  template <typename Painter>
  void ForEach(Painter&& paint) const {
    for (const auto& [kind, index] : order_) {
      switch (kind) {
        case ShapeKind::kRect:
          paint(rects_[index]);
          break;
        case ShapeKind::kLine:
          paint(lines_[index]);
          break;
        case ShapeKind::kPolyline:
          paint(polylines_[index]);
          break;
        case ShapeKind::kDot:
          paint(dots_[index]);
          break;
        case ShapeKind::kText:
          paint(texts_[index]);
          break;
      }
    }
  }

  // The tip of the shape under a point, a dot before a rectangle, the last
  // painted first; empty when none there has one.
  std::u16string TipAt(PointXY at) const;

  const std::vector<RectShape>& rects() const { return rects_; }
  const std::vector<LineShape>& lines() const { return lines_; }
  const std::vector<PolylineShape>& polylines() const { return polylines_; }
  const std::vector<DotShape>& dots() const { return dots_; }
  const std::vector<TextShape>& texts() const { return texts_; }

 private:
  template <typename T>
  void Append(std::vector<T>& list, T shape, ShapeKind kind) {
    order_.push_back({kind, list.size()});
    list.push_back(std::move(shape));
  }

  double width_;
  double height_;
  std::vector<RectShape> rects_;
  std::vector<LineShape> lines_;
  std::vector<PolylineShape> polylines_;
  std::vector<DotShape> dots_;
  std::vector<TextShape> texts_;
  std::vector<std::pair<ShapeKind, std::size_t>> order_;
};

// The fonts the picture asks for, first choice first: Windows' Japanese
// fonts, then those of Linux desktops; the renderer's sans-serif last.
inline constexpr const char* kPictureFonts[] = {"Yu Gothic", "Meiryo", "MS Gothic",
                                                "Noto Sans CJK JP", "IPAGothic"};

}  // namespace bc

#endif  // BORINGCONV_PICTURE_DRAWING_H_

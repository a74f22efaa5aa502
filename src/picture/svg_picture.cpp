#include "picture/svg_picture.h"

#include <charconv>
#include <cstdio>
#include <fstream>

#include "environment/environment.h"
#include "picture/picture_layout.h"
#include "run/run_error.h"
#include "text/utf8.h"

namespace bc {
namespace {

const char* RoleClass(Role role) {
  switch (role) {
    case Role::kBackground:
      return "background";
    case Role::kFrame:
      return "frame";
    case Role::kTitle:
      return "title";
    case Role::kHeading:
      return "heading";
    case Role::kDepthAxis:
      return "depth-axis";
    case Role::kDepthGrid:
      return "depth-grid";
    case Role::kDepthTick:
      return "depth-tick";
    case Role::kDepthLabel:
      return "depth-label";
    case Role::kLayer:
      return "layer";
    case Role::kLayerName:
      return "layer-name";
    case Role::kLayerDepth:
      return "layer-depth";
    case Role::kNGrid:
      return "n-grid";
    case Role::kNLabel:
      return "n-label";
    case Role::kNLine:
      return "n-line";
    case Role::kNPoint:
      return "n-point";
    case Role::kNValue:
      return "n-value";
    case Role::kNote:
      return "note";
    case Role::kBoringName:
      return "boring-name";
    case Role::kGroundLevel:
      return "ground-level";
    case Role::kStoppedSlot:
      return "stopped-slot";
    case Role::kStopReason:
      return "stop-reason";
    case Role::kLegendSwatch:
      return "legend-swatch";
    case Role::kLegendName:
      return "legend-name";
  }
  return "";
}

// Locale-free and short: "12", "0.5", "47.25".
std::string Num(double value) {
  char text[32];
  auto [end, ec] = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, 2);
  std::string out(text, ec == std::errc() ? end : text);
  if (out.find('.') != std::string::npos) {
    out.erase(out.find_last_not_of('0') + 1);
    if (out.back() == '.') out.pop_back();
  }
  return out == "-0" ? "0" : out;
}

std::string Hex(Colour colour) {
  char text[8];
  std::snprintf(text, sizeof text, "#%02x%02x%02x", colour.r, colour.g, colour.b);
  return text;
}

// Text as XML character data or attribute value. Characters XML 1.0 does
// not allow become U+FFFD rather than making the file unreadable.
std::string Escaped(std::u16string_view text) {
  std::u16string clean;
  for (char16_t c : text) {
    bool allowed = c == u'\t' || c == u'\n' || c == u'\r' || (c >= 0x20 && c < 0xFFFE);
    clean += allowed ? c : u'\uFFFD';
  }
  std::string out;
  for (char c : ToUtf8(clean)) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

std::string Open(const char* element, Role role) {
  return std::string("<") + element + " class=\"" + RoleClass(role) + "\"";
}

// The shape's tip as its SVG title, which viewers show on hovering.
std::string Closed(const char* element, std::u16string_view tip) {
  if (tip.empty()) return "/>\n";
  return "><title>" + Escaped(tip) + "</title></" + element + ">\n";
}

std::string Svg(const RectShape& s) {
  return Open("rect", s.role) + " x=\"" + Num(s.x) + "\" y=\"" + Num(s.y) + "\" width=\"" +
         Num(s.width) + "\" height=\"" + Num(s.height) + "\" fill=\"" +
         (s.fill ? Hex(*s.fill) : "none") + "\"" +
         (s.stroke ? " stroke=\"" + Hex(*s.stroke) + "\"" : "") + Closed("rect", s.tip);
}

std::string Svg(const LineShape& s) {
  return Open("line", s.role) + " x1=\"" + Num(s.from.x) + "\" y1=\"" + Num(s.from.y) + "\" x2=\"" +
         Num(s.to.x) + "\" y2=\"" + Num(s.to.y) + "\" stroke=\"" + Hex(s.colour) +
         "\" stroke-width=\"" + Num(s.width) + "\"/>\n";
}

std::string Svg(const PolylineShape& s) {
  std::string points;
  for (const PointXY& p : s.points) {
    if (!points.empty()) points += ' ';
    points += Num(p.x) + "," + Num(p.y);
  }
  return Open("polyline", s.role) + " points=\"" + points + "\" fill=\"none\" stroke=\"" +
         Hex(s.colour) + "\" stroke-width=\"" + Num(s.width) + "\" stroke-linejoin=\"round\"/>\n";
}

std::string Svg(const DotShape& s) {
  return Open("circle", s.role) + " cx=\"" + Num(s.centre.x) + "\" cy=\"" + Num(s.centre.y) +
         "\" r=\"" + Num(s.radius) + "\" fill=\"" + Hex(s.colour) + "\"" + Closed("circle", s.tip);
}

std::string Svg(const TextShape& s) {
  const char* anchor = s.anchor == Anchor::kStart    ? "start"
                       : s.anchor == Anchor::kMiddle ? "middle"
                                                     : "end";
  return Open("text", s.role) + " x=\"" + Num(s.at.x) + "\" y=\"" + Num(s.at.y) +
         "\" text-anchor=\"" + anchor + "\" font-size=\"" + Num(s.size) + "\" fill=\"" +
         Hex(s.colour) + "\"" + (s.bold ? " font-weight=\"bold\"" : "") + ">" + Escaped(s.text) +
         "</text>\n";
}

std::string FontFamilies() {
  std::string list;
  for (const char* font : kPictureFonts) list += std::string("'") + font + "', ";
  return list + "sans-serif";
}

}  // namespace

std::string PictureSvg(const Drawing& drawing) {
  std::string w = Num(drawing.width());
  std::string h = Num(drawing.height());
  std::string svg =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" +
      w + "\" height=\"" + h + "\" viewBox=\"0 0 " + w + " " + h + "\" font-family=\"" +
      FontFamilies() + "\">\n";
  drawing.ForEach([&svg](const auto& shape) { svg += Svg(shape); });
  return svg + "</svg>\n";
}

void WriteSvgFile(const Drawing& drawing, const std::filesystem::path& svg) {
  std::string text = PictureSvg(drawing);
  std::ofstream out(svg, std::ios::binary | std::ios::trunc);
  out.write(text.data(), static_cast<std::streamsize>(text.size()));
  out.close();
  if (!out) throw RunError(CannotWriteMessage(FromHostPath(svg)));
}

void WritePictureSvg(const BoringProfile& profile, const std::filesystem::path& svg) {
  WriteSvgFile(LayOutPicture(profile, kPictureFileWidth, kPictureFileHeight), svg);
}

void WritePictureSvg(const std::filesystem::path& folder, const std::filesystem::path& svg) {
  PictureFiles files = PictureFilesIn(folder);
  std::error_code ec;
  if (!std::filesystem::is_regular_file(files.layers, ec)) {
    throw RunError(CannotOpenMessage(FromHostPath(files.layers)));
  }
  WritePictureSvg(ReadBoringProfile(files, FolderName(folder)), svg);
}

}  // namespace bc

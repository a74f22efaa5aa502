#include "win32_window/gdiplus_painter.h"

#include <cmath>
#include <memory>
#include <vector>

#include "picture/picture_layout.h"
#include "win32_window/gdiplus_include.h"
#include "win32_window/wide.h"
#include "window_model/converter_form.h"

namespace bc::win32 {
namespace {

// PNG pixels per unit: a sheet of 840 x 1400 pixels, sharp when printed.
constexpr int kPngScale = 2;

Gdiplus::Color C(Colour colour) { return Gdiplus::Color(255, colour.r, colour.g, colour.b); }

Gdiplus::REAL R(double value) { return static_cast<Gdiplus::REAL>(value); }

// The first of the picture's fonts installed here, else the sans-serif.
std::unique_ptr<Gdiplus::FontFamily> PictureFamily() {
  for (const char* name : kPictureFonts) {
    std::wstring wide(name, name + std::char_traits<char>::length(name));
    auto family = std::make_unique<Gdiplus::FontFamily>(wide.c_str());
    if (family->IsAvailable()) return family;
  }
  return std::unique_ptr<Gdiplus::FontFamily>(Gdiplus::FontFamily::GenericSansSerif()->Clone());
}

class Painter {
 public:
  explicit Painter(Gdiplus::Graphics& g) : g_(g), family_(PictureFamily()) {}

  void operator()(const RectShape& s) {
    if (s.fill) {
      Gdiplus::SolidBrush brush(C(*s.fill));
      g_.FillRectangle(&brush, R(s.x), R(s.y), R(s.width), R(s.height));
    }
    if (s.stroke) {
      Gdiplus::Pen pen(C(*s.stroke), 1);
      g_.DrawRectangle(&pen, R(s.x), R(s.y), R(s.width), R(s.height));
    }
  }

  void operator()(const LineShape& s) {
    Gdiplus::Pen pen(C(s.colour), R(s.width));
    g_.DrawLine(&pen, R(s.from.x), R(s.from.y), R(s.to.x), R(s.to.y));
  }

  void operator()(const PolylineShape& s) {
    std::vector<Gdiplus::PointF> points;
    for (const PointXY& p : s.points) points.emplace_back(R(p.x), R(p.y));
    Gdiplus::Pen pen(C(s.colour), R(s.width));
    pen.SetLineJoin(Gdiplus::LineJoinRound);
    if (points.size() > 1) g_.DrawLines(&pen, points.data(), static_cast<INT>(points.size()));
  }

  void operator()(const DotShape& s) {
    Gdiplus::SolidBrush brush(C(s.colour));
    g_.FillEllipse(&brush, R(s.centre.x - s.radius), R(s.centre.y - s.radius), R(2 * s.radius),
                   R(2 * s.radius));
  }

  // The shape's point is on the baseline; GDI+ draws from the top.
  void operator()(const TextShape& s) {
    INT style = s.bold ? Gdiplus::FontStyleBold : Gdiplus::FontStyleRegular;
    Gdiplus::Font font(family_.get(), R(std::max(1.0, s.size)), style, Gdiplus::UnitPixel);
    const Gdiplus::StringFormat* format = Gdiplus::StringFormat::GenericTypographic();
    std::wstring text(reinterpret_cast<const wchar_t*>(s.text.data()), s.text.size());
    Gdiplus::RectF box;
    g_.MeasureString(text.c_str(), static_cast<INT>(text.size()), &font, Gdiplus::PointF(0, 0),
                     format, &box);
    double ascent = s.size * family_->GetCellAscent(style) / family_->GetEmHeight(style);
    double x = s.anchor == Anchor::kStart    ? s.at.x
               : s.anchor == Anchor::kMiddle ? s.at.x - box.Width / 2
                                             : s.at.x - box.Width;
    Gdiplus::SolidBrush brush(C(s.colour));
    g_.DrawString(text.c_str(), static_cast<INT>(text.size()), &font,
                  Gdiplus::PointF(R(x), R(s.at.y - ascent)), format, &brush);
  }

 private:
  Gdiplus::Graphics& g_;
  std::unique_ptr<Gdiplus::FontFamily> family_;
};

// The PNG encoder's class identifier, fixed by GDI+.
const CLSID kPngEncoder = {
    0x557cf406, 0x1a04, 0x11d3, {0x9a, 0x73, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};

}  // namespace

void PaintDrawing(Gdiplus::Graphics& graphics, const Drawing& drawing) {
  graphics.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
  graphics.SetTextRenderingHint(Gdiplus::TextRenderingHintAntiAliasGridFit);
  Painter painter(graphics);
  drawing.ForEach(painter);
}

void PaintPlaceholder(Gdiplus::Graphics& graphics, int width, int height, HFONT font) {
  graphics.Clear(Gdiplus::Color(255, 255, 255, 255));
  Gdiplus::Pen frame(Gdiplus::Color(255, 160, 160, 160), 1);
  graphics.DrawRectangle(&frame, 0, 0, width - 1, height - 1);
  HDC dc = graphics.GetHDC();
  Gdiplus::Font text_font(dc, font);
  graphics.ReleaseHDC(dc);
  Gdiplus::StringFormat centred;
  centred.SetAlignment(Gdiplus::StringAlignmentCenter);
  centred.SetLineAlignment(Gdiplus::StringAlignmentCenter);
  Gdiplus::SolidBrush brush(Gdiplus::Color(255, 160, 160, 160));
  std::u16string text(kPicturePlaceholder);
  graphics.DrawString(W(text), static_cast<INT>(text.size()), &text_font,
                      Gdiplus::RectF(0, 0, R(width), R(height)), &centred, &brush);
}

bool SavePicturePng(const BoringProfile& profile, const std::filesystem::path& file) {
  int width = static_cast<int>(kPictureFileWidth) * kPngScale;
  int height = static_cast<int>(kPictureFileHeight) * kPngScale;
  Gdiplus::Bitmap bitmap(width, height, PixelFormat32bppRGB);
  {
    Gdiplus::Graphics graphics(&bitmap);
    graphics.Clear(Gdiplus::Color(255, 255, 255, 255));
    graphics.ScaleTransform(kPngScale, kPngScale);
    PaintDrawing(graphics, LayOutPicture(profile, kPictureFileWidth, kPictureFileHeight));
  }
  return bitmap.Save(file.c_str(), &kPngEncoder, nullptr) == Gdiplus::Ok;
}

}  // namespace bc::win32

#include "window/boring_preview.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <functional>

namespace bc {
namespace {

constexpr int kTop = 34;
constexpr int kBottom = 12;
constexpr int kScaleWidth = 44;

// A tick step that gives at most about ten ticks over depth.
double TickStep(double depth) {
  for (double step : {1.0, 2.0, 5.0, 10.0, 20.0, 50.0, 100.0, 200.0, 500.0}) {
    if (depth / step <= 10) return step;
  }
  return 1000.0;
}

// The same pattern code always gets the same soft colour.
QColor BandColour(const std::u16string& code) {
  std::size_t hash = std::hash<std::u16string>{}(code);
  return QColor::fromHsv(static_cast<int>(hash % 360), 70, 235);
}

QString Metres(double value) { return QString::number(value, 'f', 2); }

// Maps depths to the vertical pixels of the drawing area.
struct DepthScale {
  double depth;
  int top;
  int height;
  double Y(double d) const { return top + d / depth * height; }
};

void DrawScale(QPainter& p, const DepthScale& scale, int left, int right) {
  double step = TickStep(scale.depth);
  p.setPen(QColor(120, 120, 120));
  p.drawLine(left, scale.top, left, scale.top + scale.height);
  for (double d = 0; d <= scale.depth + step / 1000; d += step) {
    int y = static_cast<int>(scale.Y(d));
    p.setPen(QColor(225, 225, 225));
    p.drawLine(left + 1, y, right, y);
    p.setPen(QColor(80, 80, 80));
    p.drawLine(left - 4, y, left, y);
    p.drawText(QRect(0, y - 8, left - 6, 16), Qt::AlignRight | Qt::AlignVCenter,
               QString::number(d));
  }
}

void DrawSoilColumn(QPainter& p, const BoringProfile& profile, const DepthScale& scale,
                    QRect column) {
  double top = 0;
  for (const SoilBand& layer : profile.layers) {
    int y1 = static_cast<int>(scale.Y(top));
    int y2 = static_cast<int>(scale.Y(std::max<double>(layer.bottom, top)));
    QRect band(column.left(), y1, column.width(), std::max(1, y2 - y1));
    p.fillRect(band, BandColour(layer.code));
    p.setPen(QColor(60, 60, 60));
    p.drawRect(band);
    int line = p.fontMetrics().height();
    if (band.height() >= line) {
      QString name = p.fontMetrics().elidedText(QString::fromStdU16String(layer.name),
                                                Qt::ElideRight, band.width() - 6);
      p.drawText(band.adjusted(3, 0, -3, 0), Qt::AlignCenter, name);
    }
    if (band.height() >= 2 * line || &layer == &profile.layers.back()) {
      p.drawText(QRect(band.left() + 3, y2 - line, band.width() - 6, line),
                 Qt::AlignRight | Qt::AlignBottom, Metres(layer.bottom));
    }
    top = std::max<double>(layer.bottom, top);
  }
}

// An N scale from 0 to at least 50, in steps whose labels fit the width.
struct NScale {
  int most;
  int step;
};

NScale ScaleOfN(const BoringProfile& profile, int width) {
  int largest = 50;
  for (const BlowCount& blow : profile.blows) largest = std::max(largest, blow.n);
  int labels = std::max(1, width / 34);
  for (int step : {10, 25, 50, 100, 250, 500, 1000}) {
    int most = (largest + step - 1) / step * step;
    if (most / step <= labels) return {most, step};
  }
  return {(largest + 999) / 1000 * 1000, (largest + 999) / 1000 * 1000};
}

void DrawBlowCounts(QPainter& p, const BoringProfile& profile, const DepthScale& scale,
                    QRect chart) {
  NScale n_scale = ScaleOfN(profile, chart.width());
  int most = n_scale.most;
  auto x = [&](int n) { return chart.left() + static_cast<double>(n) / most * chart.width(); };
  for (int n = 0; n <= most; n += n_scale.step) {
    int at = static_cast<int>(x(n));
    p.setPen(QColor(225, 225, 225));
    p.drawLine(at, scale.top, at, scale.top + scale.height);
    p.setPen(QColor(80, 80, 80));
    p.drawText(QRect(at - 17, scale.top - 16, 34, 14), Qt::AlignCenter, QString::number(n));
  }
  std::vector<BlowCount> blows = profile.blows;
  std::stable_sort(blows.begin(), blows.end(),
                   [](const BlowCount& a, const BlowCount& b) { return a.depth < b.depth; });
  QPainterPath line;
  for (const BlowCount& blow : blows) {
    QPointF point(x(std::clamp(blow.n, 0, most)), scale.Y(blow.depth));
    if (line.elementCount() == 0) {
      line.moveTo(point);
    } else {
      line.lineTo(point);
    }
  }
  p.setPen(QPen(QColor(200, 40, 40), 1.5));
  p.drawPath(line);
  p.setBrush(QColor(200, 40, 40));
  for (const BlowCount& blow : blows) {
    p.drawEllipse(QPointF(x(std::clamp(blow.n, 0, most)), scale.Y(blow.depth)), 2.5, 2.5);
  }
}

}  // namespace

BoringPreview::BoringPreview(QWidget* parent) : QWidget(parent) {
  setMouseTracking(true);
  setMinimumSize(260, 300);
}

void BoringPreview::SetProfile(BoringProfile profile) {
  profile_ = std::move(profile);
  update();
}

void BoringPreview::Clear() { SetProfile({}); }

void BoringPreview::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.fillRect(rect(), Qt::white);
  p.setPen(QColor(160, 160, 160));
  p.drawRect(rect().adjusted(0, 0, -1, -1));
  if (profile_.empty()) {
    p.drawText(rect(), Qt::AlignCenter,
               QStringLiteral("変換が終わると、ここに柱状図を表示します。"));
    return;
  }
  double depth = std::max(1.0, static_cast<double>(profile_.Depth()));
  depth = std::ceil(depth / TickStep(depth)) * TickStep(depth);
  DepthScale scale{depth, kTop, height() - kTop - kBottom};
  int inner = width() - kScaleWidth - 10;
  QRect column(kScaleWidth, kTop, inner * 2 / 5, scale.height);
  QRect chart(column.right() + 14, kTop, width() - column.right() - 26, scale.height);

  p.setPen(QColor(40, 40, 40));
  p.drawText(QRect(0, 2, kScaleWidth, 14), Qt::AlignCenter, QStringLiteral("深度(m)"));
  p.drawText(QRect(column.left(), 2, column.width(), 14), Qt::AlignCenter,
             QStringLiteral("土質柱状"));
  p.drawText(QRect(chart.left(), 2, chart.width(), 14), Qt::AlignCenter, QStringLiteral("N値"));
  DrawScale(p, scale, kScaleWidth - 2, width() - 10);
  DrawSoilColumn(p, profile_, scale, column);
  if (!profile_.blows.empty()) DrawBlowCounts(p, profile_, scale, chart);
}

void BoringPreview::mouseMoveEvent(QMouseEvent* event) {
  emit mouseMoved();
  QWidget::mouseMoveEvent(event);
}

}  // namespace bc

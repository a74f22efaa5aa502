#include "window/picture_painter.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPolygonF>
#include <QStringList>
#include <cmath>

namespace bc {
namespace {

QColor Q(Colour colour) { return QColor(colour.r, colour.g, colour.b); }

QFont PictureFont(double size, bool bold) {
  QFont font;
  QStringList families;
  for (const char* family : kPictureFonts) families << QString::fromLatin1(family);
  font.setFamilies(families);
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(std::max(1, static_cast<int>(std::lround(size))));
  font.setBold(bold);
  return font;
}

void Paint(QPainter& p, const RectShape& s) {
  p.setPen(s.stroke ? QPen(Q(*s.stroke), 1) : QPen(Qt::NoPen));
  p.setBrush(s.fill ? QBrush(Q(*s.fill)) : QBrush(Qt::NoBrush));
  p.drawRect(QRectF(s.x, s.y, s.width, s.height));
}

void Paint(QPainter& p, const LineShape& s) {
  p.setPen(QPen(Q(s.colour), s.width));
  p.drawLine(QPointF(s.from.x, s.from.y), QPointF(s.to.x, s.to.y));
}

void Paint(QPainter& p, const PolylineShape& s) {
  QPolygonF points;
  for (const PointXY& point : s.points) points << QPointF(point.x, point.y);
  p.setPen(QPen(Q(s.colour), s.width, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  p.drawPolyline(points);
}

void Paint(QPainter& p, const DotShape& s) {
  p.setPen(Qt::NoPen);
  p.setBrush(Q(s.colour));
  p.drawEllipse(QPointF(s.centre.x, s.centre.y), s.radius, s.radius);
}

void Paint(QPainter& p, const TextShape& s) {
  QString text = QString::fromStdU16String(s.text);
  p.setFont(PictureFont(s.size, s.bold));
  p.setPen(Q(s.colour));
  double advance = QFontMetricsF(p.font()).horizontalAdvance(text);
  double x = s.anchor == Anchor::kStart    ? s.at.x
             : s.anchor == Anchor::kMiddle ? s.at.x - advance / 2
                                           : s.at.x - advance;
  p.drawText(QPointF(x, s.at.y), text);
}

}  // namespace

void PaintDrawing(QPainter& painter, const Drawing& drawing) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  drawing.ForEach([&painter](const auto& shape) { Paint(painter, shape); });
  painter.restore();
}

}  // namespace bc

#include "window/boring_preview.h"

#include <QContextMenuEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QImage>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include "environment/environment.h"
#include "picture/picture_layout.h"
#include "picture/svg_picture.h"
#include "run/run_error.h"
#include "window/picture_painter.h"
#include "window_model/converter_form.h"

namespace bc {
namespace {

// PNG pixels per unit: a sheet of 840 x 1400 pixels, sharp when printed.
constexpr int kPngScale = 2;

const char* Suffix(PictureFormat format) { return format == PictureFormat::kSvg ? "svg" : "png"; }

bool SavePng(const BoringProfile& profile, const QString& file) {
  QImage image(static_cast<int>(kPictureFileWidth) * kPngScale,
               static_cast<int>(kPictureFileHeight) * kPngScale, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.scale(kPngScale, kPngScale);
  PaintDrawing(painter, LayOutPicture(profile, kPictureFileWidth, kPictureFileHeight));
  painter.end();
  return image.save(file, "PNG");
}

}  // namespace

BoringPreview::BoringPreview(QWidget* parent) : QWidget(parent) {
  setMouseTracking(true);
  setMinimumSize(260, 300);
  ask_save_path_ = [this](PictureFormat format, const QString& suggested) {
    return AskWithDialog(format, suggested);
  };
}

void BoringPreview::SetProfile(BoringProfile profile, QString folder) {
  profile_ = std::move(profile);
  folder_ = std::move(folder);
  update();
}

void BoringPreview::Clear() { SetProfile({}); }

bool BoringPreview::SavePicture(PictureFormat format, const QString& chosen) {
  // File dialogs give "/" on every platform; messages show the system's form.
  QString file = QDir::toNativeSeparators(chosen);
  if (format == PictureFormat::kPng) {
    if (SavePng(profile_, file)) return true;
    emit saveFailed(CannotWriteMessage(file.toStdU16String()));
    return false;
  }
  try {
    WritePictureSvg(profile_, ToHostPath(file.toStdU16String()));
    return true;
  } catch (const RunError& error) {
    emit saveFailed(error.message());
    return false;
  }
}

void BoringPreview::paintEvent(QPaintEvent*) {
  QPainter p(this);
  if (profile_.empty()) {
    p.fillRect(rect(), Qt::white);
    p.setPen(QColor(160, 160, 160));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    p.drawText(rect(), Qt::AlignCenter,
               QString::fromStdU16String(std::u16string(kPicturePlaceholder)));
    return;
  }
  PaintDrawing(p, LayOutPicture(profile_, width(), height()));
}

// Pointing at a layer or an N point tells what it is, as the SVG's titles do.
bool BoringPreview::event(QEvent* event) {
  if (event->type() != QEvent::ToolTip || !HasProfile()) return QWidget::event(event);
  auto* help = static_cast<QHelpEvent*>(event);
  Drawing drawing = LayOutPicture(profile_, width(), height());
  std::u16string tip = drawing.TipAt({help->pos().x() + 0.5, help->pos().y() + 0.5});
  if (tip.empty()) {
    QToolTip::hideText();
    event->ignore();
  } else {
    QToolTip::showText(help->globalPos(), QString::fromStdU16String(tip), this);
  }
  return true;
}

void BoringPreview::mouseMoveEvent(QMouseEvent* event) {
  emit mouseMoved();
  QWidget::mouseMoveEvent(event);
}

void BoringPreview::contextMenuEvent(QContextMenuEvent* event) {
  if (!HasProfile()) return;
  QMenu menu(this);
  connect(menu.addAction(QStringLiteral("SVG で保存…")), &QAction::triggered, this,
          [this] { AskAndSave(PictureFormat::kSvg); });
  connect(menu.addAction(QStringLiteral("PNG で保存…")), &QAction::triggered, this,
          [this] { AskAndSave(PictureFormat::kPng); });
  menu.exec(event->globalPos());
}

void BoringPreview::AskAndSave(PictureFormat format) {
  QString name = QString::fromStdU16String(PictureFileStem(profile_));
  QString suggested = QDir(folder_).filePath(name + '.' + Suffix(format));
  QString file = ask_save_path_(format, suggested);
  if (file.isEmpty()) return;
  if (QFileInfo(file).suffix().isEmpty()) file += QString('.') + Suffix(format);
  SavePicture(format, file);
}

QString BoringPreview::AskWithDialog(PictureFormat format, const QString& suggested) {
  bool svg = format == PictureFormat::kSvg;
  return QFileDialog::getSaveFileName(
      this, svg ? QStringLiteral("SVG で保存") : QStringLiteral("PNG で保存"), suggested,
      svg ? QStringLiteral("SVG 画像 (*.svg)") : QStringLiteral("PNG 画像 (*.png)"));
}

}  // namespace bc

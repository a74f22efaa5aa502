// Paints a laid-out picture with QPainter, primitive by primitive, as the
// SVG file draws it.
#ifndef BORINGCONV_WINDOW_PICTURE_PAINTER_H_
#define BORINGCONV_WINDOW_PICTURE_PAINTER_H_

#include "picture/drawing.h"

class QPainter;

namespace bc {

void PaintDrawing(QPainter& painter, const Drawing& drawing);

}  // namespace bc

#endif  // BORINGCONV_WINDOW_PICTURE_PAINTER_H_

// Paints a laid-out picture with GDI+, primitive by primitive, as the SVG
// file draws it: antialiased lines and text.
#ifndef BORINGCONV_WIN32_WINDOW_GDIPLUS_PAINTER_H_
#define BORINGCONV_WIN32_WINDOW_GDIPLUS_PAINTER_H_

#include <windows.h>

#include <filesystem>

#include "picture/boring_profile.h"
#include "picture/drawing.h"

namespace Gdiplus {
class Graphics;
}

namespace bc::win32 {

void PaintDrawing(Gdiplus::Graphics& graphics, const Drawing& drawing);

// The placeholder of an empty picture: a frame and a centred line of text.
void PaintPlaceholder(Gdiplus::Graphics& graphics, int width, int height, HFONT font);

// Writes the picture at twice its file size as PNG; false on failure.
bool SavePicturePng(const BoringProfile& profile, const std::filesystem::path& file);

}  // namespace bc::win32

#endif  // BORINGCONV_WIN32_WINDOW_GDIPLUS_PAINTER_H_

// GDI+ with the min and max it wants, which NOMINMAX keeps out of windows.h.
#ifndef BORINGCONV_WIN32_WINDOW_GDIPLUS_INCLUDE_H_
#define BORINGCONV_WIN32_WINDOW_GDIPLUS_INCLUDE_H_

#include <windows.h>

#include <algorithm>
namespace Gdiplus {
using std::max;
using std::min;
}  // namespace Gdiplus
#include <gdiplus.h>

#endif  // BORINGCONV_WIN32_WINDOW_GDIPLUS_INCLUDE_H_

// The small window over the first start's search for the pattern-data
// folder: it names the folder being searched and offers to cancel.
#ifndef BORINGCONV_WIN32_WINDOW_SEARCH_WINDOW_H_
#define BORINGCONV_WIN32_WINDOW_SEARCH_WINDOW_H_

#include <string>

#include "environment/environment.h"

namespace bc::win32 {

// Searches the drives while the window is shown; Cancel (or closing the
// window) counts as not found.
std::u16string SearchPatdatWithWindow(const Environment& env);

}  // namespace bc::win32

#endif  // BORINGCONV_WIN32_WINDOW_SEARCH_WINDOW_H_

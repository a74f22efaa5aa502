// Finding the pattern-data folder when the settings name none: beside the
// program, then on the program's drive, then on every drive from A to Z.
#ifndef BORINGCONV_ENVIRONMENT_PATDAT_SEARCH_H_
#define BORINGCONV_ENVIRONMENT_PATDAT_SEARCH_H_

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "environment/environment.h"

namespace bc {

// Told every folder the search visits (as a drive path); returning false
// stops the search, which then finds nothing.
using SearchProgress = std::function<bool(std::u16string_view folder)>;

// The part of path up to and including its last ":" or "\"; empty when it
// holds neither.
std::u16string PathHead(std::u16string_view path);

// Walks every folder below the head of folder depth-first (names in sorted
// order) and records each folder named like folder's last element that holds
// a non-empty marker file (marker starts with "\"). Stops collecting at
// limit hits. On POSIX it keeps out of pseudo file systems and other
// machines' mounts. Returns false when progress asked to stop.
bool SearchPatdatTree(const Environment& env, const std::u16string& folder, std::int16_t& count,
                      std::vector<std::u16string>& results, std::u16string_view marker,
                      const SearchProgress& progress, std::int16_t limit = 1000);

// A pattern-data folder path ending in "\", or an empty text (also when
// progress asked to stop).
std::u16string FindPatdatFolder(const Environment& env, const SearchProgress& progress);

}  // namespace bc

#endif  // BORINGCONV_ENVIRONMENT_PATDAT_SEARCH_H_

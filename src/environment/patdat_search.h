// Finding the pattern-data folder when the settings name none: beside the
// program, then on the program's drive, then on every drive from A to Z.
#ifndef BORINGCONV_ENVIRONMENT_PATDAT_SEARCH_H_
#define BORINGCONV_ENVIRONMENT_PATDAT_SEARCH_H_

#include <cstdint>
#include <filesystem>
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
// progress asked to stop). The drive walk never takes a folder of the
// program's own installation (IsInstallationFolder).
std::u16string FindPatdatFolder(const Environment& env, const SearchProgress& progress);

// Folders the drive walk never takes, as their tables are not the user's to
// grow: whatever lies below the program's folder, the data an installation
// keeps beside its bin folder (share/boringconv, share/doc/boringconv), and
// the bundled sample's tables wherever they were unpacked (a folder in
// "samples" beside the sample boring "boring.txt").
bool IsInstallationFolder(const Environment& env, const std::filesystem::path& host);

// What the program says after the search chose folder, so that the user
// knows which tables a run grows.
std::u16string PatdatFoundMessage(std::u16string_view folder);

}  // namespace bc

#endif  // BORINGCONV_ENVIRONMENT_PATDAT_SEARCH_H_

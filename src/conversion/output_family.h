// The family of output files a boring's folder holds, and the clearing of
// what an earlier boring left there: one folder holds one boring, as the
// plotting system draws every file of the family in it as one.
#ifndef BORINGCONV_CONVERSION_OUTPUT_FAMILY_H_
#define BORINGCONV_CONVERSION_OUTPUT_FAMILY_H_

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "run/file_system.h"

namespace bc {

// True for the name of a file of the family, in any letter case: a file of
// SectionOrder(), or LUGON_<n>.HED, .TMP or .GRA.
bool IsOutputFamilyName(std::u16string_view name);

// Removes from folder every file of the family that is not among written
// (host paths, matched by name in any letter case). Returns the names of the
// files that could not be removed.
std::vector<std::u16string> RemoveOtherOutputs(FileSystem& fs, const std::filesystem::path& folder,
                                               const std::vector<std::filesystem::path>& written);

}  // namespace bc

#endif  // BORINGCONV_CONVERSION_OUTPUT_FAMILY_H_

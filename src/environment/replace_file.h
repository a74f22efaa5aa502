// Replacing a small file in one step, so that a failed write never leaves it
// short: the settings file, a record file written by the import.
#ifndef BORINGCONV_ENVIRONMENT_REPLACE_FILE_H_
#define BORINGCONV_ENVIRONMENT_REPLACE_FILE_H_

#include <filesystem>
#include <string_view>

namespace bc {

// Writes bytes to "<file>.new" beside file and renames it over file (or to
// it). False, with the scratch file removed, when either step fails.
bool WriteFileAtOnce(const std::filesystem::path& file, std::string_view bytes);

}  // namespace bc

#endif  // BORINGCONV_ENVIRONMENT_REPLACE_FILE_H_

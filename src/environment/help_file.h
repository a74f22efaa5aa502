// Finding the help file: beside the program first, then along PATH.
#ifndef BORINGCONV_ENVIRONMENT_HELP_FILE_H_
#define BORINGCONV_ENVIRONMENT_HELP_FILE_H_

#include <string>
#include <string_view>
#include <vector>

#include "environment/environment.h"

namespace bc {

inline constexpr char16_t kHelpFileName[] = u"Lithomar.HLP";

// The folders of a PATH value: split at ";" (and at ":" on POSIX, where
// that is the separator), each ending in "\". An empty element stands for
// the root "\".
std::vector<std::u16string> PathFolders(std::u16string_view path_variable);

// Looks for the help file in the program's folder, then in each folder of
// path_variable in order. On success sets help_file_path to the folder
// followed by the file name and returns true; otherwise leaves it alone.
bool LocateHelpFile(const Environment& env, std::u16string_view path_variable,
                    std::u16string& help_file_path);

}  // namespace bc

#endif  // BORINGCONV_ENVIRONMENT_HELP_FILE_H_

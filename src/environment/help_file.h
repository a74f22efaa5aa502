// Finding the help file (beside the program first, then along PATH) and the
// HTML help page that stands in where no viewer opens the help file.
#ifndef BORINGCONV_ENVIRONMENT_HELP_FILE_H_
#define BORINGCONV_ENVIRONMENT_HELP_FILE_H_

#include <filesystem>
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

// The HTML help page: help/index.html beside the program, else
// ../share/boringconv/help/index.html from it (an installed tree), else
// source_tree_page when that exists. Empty when there is none.
std::filesystem::path LocateHelpPage(const std::filesystem::path& program_folder,
                                     const std::filesystem::path& source_tree_page);

// As above with the source tree's data/help/index.html, so that a program
// run from its build tree finds the page too.
std::filesystem::path LocateHelpPage(const std::filesystem::path& program_folder);

}  // namespace bc

#endif  // BORINGCONV_ENVIRONMENT_HELP_FILE_H_

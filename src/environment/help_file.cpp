#include "environment/help_file.h"

#include <system_error>

namespace bc {
namespace {

#ifdef _WIN32
constexpr std::u16string_view kPathSeparators = u";";
#else
constexpr std::u16string_view kPathSeparators = u";:";
#endif

bool IsFile(const Environment& env, const std::u16string& path) {
  std::error_code ec;
  std::filesystem::path host = env.HostPath(path);
  return !host.empty() && std::filesystem::is_regular_file(host, ec);
}

// Set by the build for the help_file source only.
#ifdef BORINGCONV_SOURCE_HELP_PAGE
constexpr char kSourceHelpPage[] = BORINGCONV_SOURCE_HELP_PAGE;
#else
constexpr char kSourceHelpPage[] = "";
#endif

}  // namespace

std::vector<std::u16string> PathFolders(std::u16string_view path_variable) {
  std::vector<std::u16string> folders;
  if (path_variable.empty()) return folders;
  std::size_t start = 0;
  while (start < path_variable.size()) {
    std::size_t end = path_variable.find_first_of(kPathSeparators, start);
    if (end == std::u16string_view::npos) end = path_variable.size();
    folders.push_back(
        WithTrailingBackslash(std::u16string(path_variable.substr(start, end - start))));
    start = end + 1;
  }
  return folders;
}

bool LocateHelpFile(const Environment& env, std::u16string_view path_variable,
                    std::u16string& help_file_path) {
  std::vector<std::u16string> folders{WithTrailingBackslash(FromHostPath(env.program_folder()))};
  for (std::u16string& folder : PathFolders(path_variable)) folders.push_back(std::move(folder));
  for (const std::u16string& folder : folders) {
    if (IsFile(env, folder + kHelpFileName)) {
      help_file_path = folder + kHelpFileName;
      return true;
    }
  }
  return false;
}

std::filesystem::path LocateHelpPage(const std::filesystem::path& program_folder,
                                     const std::filesystem::path& source_tree_page) {
  const std::filesystem::path candidates[] = {
      program_folder / "help" / "index.html",
      program_folder / ".." / "share" / "boringconv" / "help" / "index.html",
      source_tree_page,
  };
  for (const std::filesystem::path& page : candidates) {
    std::error_code ec;
    if (!page.empty() && std::filesystem::is_regular_file(page, ec)) return page.lexically_normal();
  }
  return {};
}

std::filesystem::path LocateHelpPage(const std::filesystem::path& program_folder) {
  return LocateHelpPage(program_folder, std::filesystem::path(kSourceHelpPage));
}

}  // namespace bc

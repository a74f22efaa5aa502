// The Windows build against the host build: each whole-run case runs through
// both programs with the same drive paths, and their files must be equal.
#ifndef BORINGCONV_TESTS_E2E_WINDOWS_COMPARE_H_
#define BORINGCONV_TESTS_E2E_WINDOWS_COMPARE_H_

#include <filesystem>
#include <map>
#include <optional>
#include <string>

#include "e2e/case_folder.h"

namespace bc::testing {

// The Windows program and the emulator that runs it, from the environment
// (BORINGCONV_WINDOWS_CLI, BORINGCONV_WINE, default "wine64"); nothing when
// BORINGCONV_WINDOWS_CLI is unset or empty.
struct WindowsProgram {
  std::filesystem::path program;
  std::string wine;
};
std::optional<WindowsProgram> WindowsProgramFromEnvironment();

// Every regular file below folder, by its relative path with "/", with its bytes.
std::map<std::string, std::string> FolderFiles(const std::filesystem::path& folder);

// Runs the case through host_program and the Windows program, each in a
// scratch folder of its own with drive D: mapped to it, and expects the same
// exit code and byte-identical out/ and patdat/ folders.
void ExpectSameAsWindowsBuild(const std::filesystem::path& host_program,
                              const WindowsProgram& windows,
                              const std::filesystem::path& case_folder,
                              const std::filesystem::path& samples_patdat);

}  // namespace bc::testing

#endif  // BORINGCONV_TESTS_E2E_WINDOWS_COMPARE_H_

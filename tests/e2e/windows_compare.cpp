#include "e2e/windows_compare.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "support/section_fixture.h"
#include "text/codepage.h"
#include "text/utf8.h"

namespace bc::testing {
namespace {

// Names present on one side only, then the first differing file.
void ExpectSameFiles(const std::string& what, const std::map<std::string, std::string>& host,
                     const std::map<std::string, std::string>& windows) {
  SCOPED_TRACE(what);
  for (const auto& [name, bytes] : host) {
    auto it = windows.find(name);
    if (it == windows.end()) {
      ADD_FAILURE() << name << " written by the host build only";
    } else {
      EXPECT_TRUE(it->second == bytes) << name << " differs between the builds (" << bytes.size()
                                       << " and " << it->second.size() << " bytes)";
    }
  }
  for (const auto& [name, bytes] : windows) {
    if (host.count(name) == 0) ADD_FAILURE() << name << " written by the Windows build only";
  }
}

}  // namespace

std::optional<WindowsProgram> WindowsProgramFromEnvironment() {
  const char* program = std::getenv("BORINGCONV_WINDOWS_CLI");
  if (program == nullptr || *program == '\0') return std::nullopt;
  const char* wine = std::getenv("BORINGCONV_WINE");
  return WindowsProgram{program, wine != nullptr && *wine != '\0' ? wine : "wine64"};
}

std::map<std::string, std::string> FolderFiles(const std::filesystem::path& folder) {
  std::map<std::string, std::string> files;
  std::error_code ec;
  for (std::filesystem::recursive_directory_iterator it(folder, ec), end; !ec && it != end;
       it.increment(ec)) {
    if (!it->is_regular_file()) continue;
    files[it->path().lexically_relative(folder).generic_string()] = ReadBytes(it->path());
  }
  return files;
}

void ExpectSameAsWindowsBuild(const std::filesystem::path& host_program,
                              const WindowsProgram& windows,
                              const std::filesystem::path& case_folder,
                              const std::filesystem::path& samples_patdat) {
  ScratchFolder host_scratch;
  ScratchFolder windows_scratch;
  CaseRun host =
      RunCase(host_program, case_folder, samples_patdat, host_scratch.path(), CaseLaunch{"", true});
  CaseRun win = RunCase(windows.program, case_folder, samples_patdat, windows_scratch.path(),
                        CaseLaunch{windows.wine, true});
  ASSERT_EQ(host.exit_code, win.exit_code) << "host build:\n"
                                           << host.output << "\nWindows build:\n"
                                           << win.output;
  ExpectSameFiles("out", FolderFiles(host_scratch.path() / "out"),
                  FolderFiles(windows_scratch.path() / "out"));
  ExpectSameFiles("patdat", FolderFiles(host_scratch.path() / "patdat"),
                  FolderFiles(windows_scratch.path() / "patdat"));
}

// The bundled sample writes every file of a run: the widest comparison.
TEST(WindowsBuildTest, TheBundledSampleGivesTheSameFiles) {
  std::optional<WindowsProgram> windows = WindowsProgramFromEnvironment();
  if (!windows) GTEST_SKIP() << "BORINGCONV_WINDOWS_CLI is not set";
  ScratchFolder case_folder;
  std::u16string source =
      DecodeAnsi(ReadBytes(std::filesystem::path(BORINGCONV_SAMPLES) / "boring.txt"));
  std::string utf8;
  for (char16_t c : source) {
    if (c != u'\r') utf8 += ToUtf8(std::u16string(1, c));
  }
  std::ofstream(case_folder.path() / "source.txt", std::ios::binary) << utf8;
  ExpectSameAsWindowsBuild(BORINGCONV_CLI, *windows, case_folder.path(),
                           std::filesystem::path(BORINGCONV_SAMPLES) / "patdat");
}

}  // namespace bc::testing

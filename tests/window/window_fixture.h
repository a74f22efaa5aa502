// Scratch drives for window tests: C: and D: are scratch folders, Q: is
// mapped to a folder that does not exist (a drive without a medium).
#ifndef BORINGCONV_TESTS_WINDOW_WINDOW_FIXTURE_H_
#define BORINGCONV_TESTS_WINDOW_WINDOW_FIXTURE_H_

#include <QTemporaryDir>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "environment/environment.h"
#include "window/main_window.h"

namespace bc::testing {

class WindowFixture {
 public:
  WindowFixture();
  ~WindowFixture();

  std::filesystem::path Root() const;
  std::filesystem::path Drive(char16_t letter) const;
  Environment MakeEnvironment() const;

  // A window whose lists start at C:\ and whose message boxes answer OK
  // (Yes to questions) and are recorded.
  std::unique_ptr<MainWindow> MakeWindow(const std::u16string& patdat_path = u"C:\\PATDAT\\",
                                         const std::u16string& help_file_path = u"");

 private:
  QTemporaryDir scratch_;
  std::filesystem::path former_folder_;
};

void WriteBytes(const std::filesystem::path& file, const std::string& bytes);
// Code page 932 lines, each ended by CR LF.
void WriteAnsiLines(const std::filesystem::path& file, const std::vector<std::u16string>& lines);

}  // namespace bc::testing

#endif  // BORINGCONV_TESTS_WINDOW_WINDOW_FIXTURE_H_

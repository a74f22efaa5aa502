// Registers one test per case folder of tests/e2e/cases and runs the
// command-line program on it.
#include <gtest/gtest.h>

#include <filesystem>

#include "e2e/case_folder.h"
#include "e2e/windows_compare.h"
#include "support/section_fixture.h"
#include "text/codepage.h"
#include "text/utf8.h"

namespace bc::testing {
namespace {

// Shows the first differing line of two code page 932 files.
std::string FirstDifference(const std::string& expected, const std::string& actual) {
  std::u16string e = DecodeAnsi(expected), a = DecodeAnsi(actual);
  std::size_t line = 1, start = 0;
  for (std::size_t i = 0; i < std::min(e.size(), a.size()); ++i) {
    if (e[i] != a[i]) {
      std::size_t ee = e.find(u'\r', start), ae = a.find(u'\r', start);
      return "line " + std::to_string(line) + "\n  expected: [" +
             ToUtf8(e.substr(start, ee - start)) + "]\n  actual:   [" +
             ToUtf8(a.substr(start, ae - start)) + "]";
    }
    if (e[i] == u'\n') {
      ++line;
      start = i + 1;
    }
  }
  return "the files differ in length (expected " + std::to_string(expected.size()) +
         " bytes, got " + std::to_string(actual.size()) + ")";
}

void ExpectFolder(const std::filesystem::path& expected_folder,
                  const std::filesystem::path& actual_folder) {
  if (!std::filesystem::exists(expected_folder)) return;
  for (const auto& entry : std::filesystem::directory_iterator(expected_folder)) {
    std::filesystem::path actual = actual_folder / entry.path().filename();
    SCOPED_TRACE(entry.path().filename().string());
    ASSERT_TRUE(std::filesystem::exists(actual)) << "not written: " << actual;
    std::string want = ToAnsiCrLf(ReadBytes(entry.path()));
    std::string got = ReadBytes(actual);
    EXPECT_TRUE(want == got) << FirstDifference(want, got);
  }
}

class CaseTest : public ::testing::Test {
 public:
  explicit CaseTest(std::filesystem::path folder) : folder_(std::move(folder)) {}

  void TestBody() override {
    ScratchFolder scratch;
    CaseRun run = RunCase(BORINGCONV_CLI, folder_,
                          std::filesystem::path(BORINGCONV_SAMPLES) / "patdat", scratch.path());
    std::vector<std::string> code = ReadTextLines(folder_ / "exit-code");
    int expected_exit = code.empty() ? 0 : std::stoi(code.front());
    ASSERT_EQ(run.exit_code, expected_exit) << run.output;
    ExpectFolder(folder_ / "expected", scratch.path() / "out");
    ExpectFolder(folder_ / "expected-patdat", scratch.path() / "patdat");
    for (const std::string& text : ReadTextLines(folder_ / "output")) {
      EXPECT_NE(run.output.find(text), std::string::npos) << text << " not in:\n" << run.output;
    }
    for (const std::string& name : ReadTextLines(folder_ / "absent")) {
      EXPECT_FALSE(std::filesystem::exists(scratch.path() / "out" / name))
          << name << " was written";
    }
    if (std::optional<WindowsProgram> windows = WindowsProgramFromEnvironment()) {
      ExpectSameAsWindowsBuild(BORINGCONV_CLI, *windows, folder_,
                               std::filesystem::path(BORINGCONV_SAMPLES) / "patdat");
    }
  }

 private:
  std::filesystem::path folder_;
};

void RegisterCases() {
  std::vector<std::filesystem::path> folders;
  for (const auto& entry : std::filesystem::directory_iterator(BORINGCONV_CASES)) {
    if (entry.is_directory()) folders.push_back(entry.path());
  }
  std::sort(folders.begin(), folders.end());
  for (const std::filesystem::path& folder : folders) {
    std::string name = folder.filename().string();
    for (char& c : name)
      if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
    ::testing::RegisterTest("Case", name.c_str(), nullptr, nullptr, __FILE__, __LINE__,
                            [folder]() -> ::testing::Test* { return new CaseTest(folder); });
  }
}

}  // namespace
}  // namespace bc::testing

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  bc::testing::RegisterCases();
  return RUN_ALL_TESTS();
}

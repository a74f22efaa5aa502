// A whole-run case: a source file, tables laid over the bundled sample's
// pattern-data folder, and the files the run must write.
//
//   source.txt            the source, UTF-8 with LF (written as code page 932, CR LF)
//   patdat/NAME           tables laid over a copy of samples/patdat (converted the same way)
//   expected/NAME         output files that must match byte for byte after conversion
//   expected-patdat/NAME  tables as they must read after the run
//   absent                output names, one a line, that must not exist
//   output                lines the program must print (UTF-8), one a line
//   config/NAME           settings files, copied byte for byte into the settings
//                         folder; the run then finds the pattern-data folder
//                         through them, without --patdat
//   args                  extra arguments, one a line (default: --yes)
//   exit-code             the expected exit code (default 0)
#ifndef BORINGCONV_TESTS_E2E_CASE_FOLDER_H_
#define BORINGCONV_TESTS_E2E_CASE_FOLDER_H_

#include <filesystem>
#include <string>
#include <vector>

namespace bc::testing {

// UTF-8 text with LF line ends as code page 932 with CR LF.
std::string ToAnsiCrLf(const std::string& utf8);

// The lines of a small text file, without line ends; empty when it is missing.
std::vector<std::string> ReadTextLines(const std::filesystem::path& file);

struct CaseRun {
  int exit_code = -1;
  std::string output;  // standard output and error together
};

// How RunCase starts the program.
struct CaseLaunch {
  // Put before the program on the command line (an emulator such as Wine).
  std::string launcher;
  // Name every path through drive D: mapped to the scratch folder
  // ("--drive D=. --patdat D:\patdat ... D:\source.txt D:\out") instead of
  // host paths, so that two builds see the very same drive paths.
  bool drive_letters = false;
};

// Lays out the case in scratch (source.txt, patdat/, out/) and runs the
// program there. extra_args go before the source and destination.
CaseRun RunCase(const std::filesystem::path& program, const std::filesystem::path& case_folder,
                const std::filesystem::path& samples_patdat, const std::filesystem::path& scratch,
                const CaseLaunch& launch = {});

}  // namespace bc::testing

#endif  // BORINGCONV_TESTS_E2E_CASE_FOLDER_H_

// The command-line program: one conversion per call, for scripts.
//
//   boringconv [--patdat DIR] [--drive L=DIR]... [--yes | --no] SOURCE DEST
#ifndef BORINGCONV_CLI_COMMAND_LINE_H_
#define BORINGCONV_CLI_COMMAND_LINE_H_

#include <optional>
#include <string>
#include <vector>

namespace bc {

struct CommandLine {
  std::optional<std::u16string> patdat;
  std::vector<std::u16string> drives;  // "L=DIR"
  std::optional<bool> answer;          // --yes / --no
  std::u16string source;
  std::u16string destination;
  bool help = false;
  bool version = false;
};

// Parses the arguments (without the program name). Returns nothing and sets
// error on a wrong call.
std::optional<CommandLine> ParseCommandLine(const std::vector<std::u16string>& args,
                                            std::u16string* error);

std::u16string UsageText();

// Runs the program; returns the exit code: 0 success, 1 the run stopped on
// a message, 2 a wrong call.
int RunCommandLine(const std::vector<std::u16string>& args);

}  // namespace bc

#endif  // BORINGCONV_CLI_COMMAND_LINE_H_

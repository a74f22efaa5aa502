// The command-line program, for scripts:
//
//   boringconv [--patdat DIR [--save-patdat]] [--drive L=DIR]... [--yes | --no] SOURCE DEST
//   boringconv [options] --into ROOT SOURCE...
//   boringconv --patdat DIR --save-patdat
#ifndef BORINGCONV_CLI_COMMAND_LINE_H_
#define BORINGCONV_CLI_COMMAND_LINE_H_

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace bc {

struct CommandLine {
  std::optional<std::u16string> patdat;
  bool save_patdat = false;            // write --patdat to PatdatV5.ini
  std::vector<std::u16string> drives;  // "L=DIR"
  std::optional<bool> answer;          // --yes / --no
  std::u16string source;               // empty when only saving the settings
  std::u16string destination;
  std::optional<std::u16string> into;      // a batch: its root folder
  std::vector<std::u16string> sources;     // a batch: files and folders
  std::optional<std::u16string> preview;   // the picture of one conversion
  std::optional<std::u16string> previews;  // the folder of a batch's pictures
  std::optional<std::u16string> overview;  // a batch's overview picture
  bool strict = false;                     // suspicious values stop a run
  bool help = false;
  bool version = false;
};

// Parses the arguments (without the program name). Returns nothing and sets
// error to one line saying what was wrong on a wrong call.
std::optional<CommandLine> ParseCommandLine(const std::vector<std::u16string>& args,
                                            std::u16string* error);

// The text of --help: every command and option with an example.
std::u16string UsageText();

// Runs the program, writing results to out and messages to err; returns the
// exit code: 0 success, 1 the run stopped on a message, 2 a wrong call.
int RunCommandLine(const std::vector<std::u16string>& args, std::FILE* out, std::FILE* err);
int RunCommandLine(const std::vector<std::u16string>& args);

}  // namespace bc

#endif  // BORINGCONV_CLI_COMMAND_LINE_H_

// The command that imports one boring exchange XML file as a source record
// file, so that it can be looked at or edited before converting:
//
//   boringconv import [--output FILE] XML
#ifndef BORINGCONV_CLI_IMPORT_COMMAND_H_
#define BORINGCONV_CLI_IMPORT_COMMAND_H_

#include <optional>
#include <string>
#include <vector>

namespace bc {

struct ImportLine {
  std::u16string xml;
  std::optional<std::u16string> output;  // standard output when absent
  bool help = false;
};

// Parses the arguments after "import". Returns nothing and sets error on a
// wrong call.
std::optional<ImportLine> ParseImportLine(const std::vector<std::u16string>& args,
                                          std::u16string* error);

std::u16string ImportUsageText();

// Runs the command; returns 0 on success, 1 when the XML cannot be imported
// or the output cannot be written (nothing is written then), 2 on a wrong
// call.
int RunImportCommand(const std::vector<std::u16string>& args);

}  // namespace bc

#endif  // BORINGCONV_CLI_IMPORT_COMMAND_H_

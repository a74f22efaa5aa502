// Converting many borings in one call: boringconv --into ROOT SOURCE...
#ifndef BORINGCONV_CLI_BATCH_COMMAND_H_
#define BORINGCONV_CLI_BATCH_COMMAND_H_

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "environment/environment.h"

namespace bc {

struct BatchCall {
  std::vector<std::u16string> sources;     // files and folders, host or drive paths
  std::u16string root;                     // drive path of the destination root
  std::u16string patdat;                   // the pattern-data folder, ending in "\"
  std::optional<bool> answer;              // --yes / --no; folders are made unless --no
  std::optional<std::u16string> previews;  // folder for <stem>.svg pictures
  std::optional<std::u16string> overview;  // the site's overview picture, a host path
  bool strict = false;                     // suspicious values stop a boring
};

// Converts every boring of the call, showing progress on err and the summary
// on out. The overview picture goes to call.overview, or with previews to
// ROOT\overview.svg. Returns 0 when every boring converted and the pictures
// were written, 1 otherwise.
int RunBatchCommand(Environment& env, const BatchCall& call, std::FILE* out, std::FILE* err);

}  // namespace bc

#endif  // BORINGCONV_CLI_BATCH_COMMAND_H_

// The conversion run started by the "実  行" button or the command line.
#ifndef BORINGCONV_CONVERSION_CONVERSION_H_
#define BORINGCONV_CONVERSION_CONVERSION_H_

#include <string>

#include "environment/environment.h"
#include "run/run_ui.h"

namespace bc {

struct RunRequest {
  std::u16string source_text;       // the source file box (Text1) as typed
  std::u16string destination_text;  // the destination box (Text2) as typed
  std::u16string patdat_path;       // the pattern-data folder, ending in "\"
};

// Checks the paths and the tag, offers to create the destination folders,
// then writes every output file. Returns true when the run reached its
// successful end and showed "変換が正常に終了しました。"; false when it stopped
// on a message. Changes the environment's current drive as the destination
// check does.
bool RunConversion(const RunRequest& request, Environment& env, RunUi& ui);

}  // namespace bc

#endif  // BORINGCONV_CONVERSION_CONVERSION_H_

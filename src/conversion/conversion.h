// The conversion run started by the "実  行" button or the command line.
#ifndef BORINGCONV_CONVERSION_CONVERSION_H_
#define BORINGCONV_CONVERSION_CONVERSION_H_

#include <chrono>
#include <memory>
#include <string>

#include "environment/environment.h"
#include "run/file_system.h"
#include "run/pattern_store.h"
#include "run/run_ui.h"

namespace bc {

struct RunRequest {
  std::u16string source_text;       // the source file box (Text1) as typed
  std::u16string destination_text;  // the destination box (Text2) as typed
  std::u16string patdat_path;       // the pattern-data folder, ending in "\"
  // Suspicious values of the source stop the run before anything is written,
  // rather than being warned of after it.
  bool strict = false;
};

// Checks the paths and the tag, offers to create the destination folders,
// then writes every output file, and last removes every file of the output
// family that an earlier boring left in the destination. Returns true when the run reached its
// successful end and showed "変換が正常に終了しました。"; false when it stopped
// on a message. Changes the environment's current drive as the destination
// check does. The run holds the pattern-data folder's lock from before the
// first table is read to its end; while another run holds it, this one
// waits, says so, and stops after a minute.
bool RunConversion(const RunRequest& request, Environment& env, RunUi& ui);

struct RunOptions {
  FileSystem* file_system = nullptr;  // the host's when null
  std::chrono::milliseconds lock_timeout{60000};
};
bool RunConversion(const RunRequest& request, Environment& env, RunUi& ui,
                   const RunOptions& options);

// Opens the pattern-data folder as a run does: waits for its lock, telling
// ui.ShowWaiting, and throws RunError when the wait runs out.
std::unique_ptr<PatternStore> OpenPatternStore(const Environment& env, std::u16string folder,
                                               RunUi& ui, const RunOptions& options);

// A run on an open store (a batch opens the folder once for all its runs):
// request.patdat_path is not used, the store's folder and files are.
bool RunConversion(const RunRequest& request, Environment& env, RunUi& ui, PatternStore& store);

}  // namespace bc

#endif  // BORINGCONV_CONVERSION_CONVERSION_H_

// Checking and normalising the destination folder before a run writes.
#ifndef BORINGCONV_ENVIRONMENT_DESTINATION_PATH_H_
#define BORINGCONV_ENVIRONMENT_DESTINATION_PATH_H_

#include <string>

#include "environment/environment.h"
#include "run/run_ui.h"

namespace bc {

// True when path names a folder on a ready drive in the form "C:\folder".
// Rewrites path in place: trimmed, "\" after the drive when missing
// ("C:work" becomes "C:\work"), and a trailing "\". Only a wrong drive
// letter is reported to the user (with the information icon); a success
// makes the drive current.
bool ValidateDestinationPath(std::u16string& path, Environment& env, RunUi& ui);

}  // namespace bc

#endif  // BORINGCONV_ENVIRONMENT_DESTINATION_PATH_H_

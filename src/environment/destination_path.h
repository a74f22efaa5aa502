// Checking and normalising the destination folder before a run writes.
#ifndef BORINGCONV_ENVIRONMENT_DESTINATION_PATH_H_
#define BORINGCONV_ENVIRONMENT_DESTINATION_PATH_H_

#include <string>

#include "environment/environment.h"

namespace bc {

// What the destination check found.
enum class DestinationCheck {
  kValid,
  kBadDriveName,  // the drive part is not one letter and ":"; the user is told why
  kInvalid,
};

// Checks that path names a folder on a ready drive in the form "C:\folder".
// Rewrites path in place: trimmed, "\" after the drive when missing
// ("C:work" becomes "C:\work"), "." and ".." resolved without climbing
// above the drive's root ("C:\..\x" becomes "C:\x"), and a trailing "\".
// An element that Windows would take as a device or change (trailing dots
// or blanks) is invalid. A valid path makes its drive current.
DestinationCheck ValidateDestinationPath(std::u16string& path, Environment& env);

// The explanation shown for DestinationCheck::kBadDriveName.
std::u16string_view BadDriveNameMessage();

}  // namespace bc

#endif  // BORINGCONV_ENVIRONMENT_DESTINATION_PATH_H_

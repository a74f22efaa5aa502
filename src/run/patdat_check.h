// The check of the pattern-data folder before a run creates or writes
// anything: a folder that is missing, lacks the soil-name table or cannot be
// written would otherwise stop the run halfway, with the destination made.
#ifndef BORINGCONV_RUN_PATDAT_CHECK_H_
#define BORINGCONV_RUN_PATDAT_CHECK_H_

#include <string>
#include <string_view>

#include "environment/environment.h"
#include "environment/file_error.h"
#include "run/file_system.h"

namespace bc {

enum class PatdatCheck {
  kOk,
  kMissing,      // no folder at the path (or an unmapped drive)
  kNoSoilTable,  // the folder holds no kishitu.txt in any letter case
  kNotWritable,  // its tables cannot be written
};

struct PatdatStatus {
  PatdatCheck check = PatdatCheck::kOk;
  FileError why = FileError::kNone;  // the system's reason, where there is one
};

// Checks folder (a drive path or a host path, as the settings or --patdat
// give it). Whether it can be written is learnt by opening its soil-name
// table for appending, writing nothing.
PatdatStatus CheckPatdatFolder(FileSystem& fs, const Environment& env, std::u16string_view folder);

// What is wrong with folder and how to choose another one, in one line, for
// the command line and the window alike.
std::u16string PatdatProblemMessage(std::u16string_view folder, const PatdatStatus& status);

}  // namespace bc

#endif  // BORINGCONV_RUN_PATDAT_CHECK_H_

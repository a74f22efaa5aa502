// The desktop's folder dialog for choosing the pattern-data folder; the
// choice itself is the model's.
#ifndef BORINGCONV_WINDOW_PATDAT_CHOICE_H_
#define BORINGCONV_WINDOW_PATDAT_CHOICE_H_

#include <filesystem>

#include "window_model/patdat_choice.h"

namespace bc {

std::filesystem::path PickFolderWithDialog();

}  // namespace bc

#endif  // BORINGCONV_WINDOW_PATDAT_CHOICE_H_

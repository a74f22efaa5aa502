// What F1 and the help requests do. The old help engine is gone from current
// systems, so the located help file is opened with the desktop's viewer for
// its type, and the HTML help page where the desktop has none.
#ifndef BORINGCONV_WINDOW_MODEL_HELP_REQUEST_H_
#define BORINGCONV_WINDOW_MODEL_HELP_REQUEST_H_

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>

#include "environment/environment.h"
#include "window_model/prompter.h"

namespace bc {

// Opens a host file with the desktop; false when nothing opened it.
using FileOpener = std::function<bool(const std::filesystem::path& file)>;

struct HelpFiles {
  std::u16string help_file_path;         // as located along PATH; empty when none
  std::filesystem::path help_page_path;  // the HTML page; empty when none
};

// Context 4 explains how help works; any other context opens the help file,
// else the help page, and only when neither opens says so.
void RequestHelp(std::int16_t context, const Environment& env, const HelpFiles& files,
                 const FileOpener& open, Prompter& prompter);

}  // namespace bc

#endif  // BORINGCONV_WINDOW_MODEL_HELP_REQUEST_H_

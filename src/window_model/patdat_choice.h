// Choosing the pattern-data folder by hand: on a first start when the search
// found none, and whenever the user asks to change it.
#ifndef BORINGCONV_WINDOW_MODEL_PATDAT_CHOICE_H_
#define BORINGCONV_WINDOW_MODEL_PATDAT_CHOICE_H_

#include <filesystem>
#include <functional>
#include <string>

#include "environment/environment.h"
#include "window_model/prompter.h"

namespace bc {

// Asks for a folder; an empty path means the user cancelled (tests stand in
// for the dialog with it).
using FolderPicker = std::function<std::filesystem::path()>;

// The folder dialog's caption.
inline constexpr char16_t kPickPatdatCaption[] =
    u"パターンデータのフォルダ (kishitu.txt のあるフォルダ) を選んでください";

// True when folder holds a non-empty kishitu.txt, its name in any letter case.
bool HoldsPatternData(const std::filesystem::path& folder);

// Lets the user pick folders until one holds the pattern data or the user
// gives up. Returns its drive path (a host path where no drive holds it)
// ending in "\", or an empty text.
std::u16string ChoosePatdatFolder(const Environment& env, Prompter& prompter,
                                  const FolderPicker& picker);

// Writes the chosen folder to PatdatV5.ini; says so when it cannot (the
// folder still serves this session).
void RememberPatdatFolder(const std::filesystem::path& system_folder, const std::u16string& folder,
                          Prompter& prompter);

}  // namespace bc

#endif  // BORINGCONV_WINDOW_MODEL_PATDAT_CHOICE_H_

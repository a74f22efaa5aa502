// The settings file "PatdatV5.ini" and the drive table, both kept in the
// program's system folder.
#ifndef BORINGCONV_ENVIRONMENT_SETTINGS_H_
#define BORINGCONV_ENVIRONMENT_SETTINGS_H_

#include <filesystem>
#include <optional>
#include <string>

#include "environment/environment.h"

namespace bc {

// Where the settings live: the Windows system folder on Windows; on POSIX
// the user's configuration folder for this program ($XDG_CONFIG_HOME/
// boringconv, else ~/.config/boringconv).
std::filesystem::path SystemFolder();

// The pattern-data folder named by the first item of line 2 of
// "PatdatV5.ini", trimmed and ending in "\", or an empty text. A settings file of 0 bytes is
// deleted; one that is missing, unreadable or shorter than two lines gives
// an empty text.
std::u16string LoadPatdatSetting(const std::filesystem::path& system_folder);

// Writes "PatdatV5.ini" naming patdat_folder (a drive path, given its final
// "\" when it lacks one) in the two-line form LoadPatdatSetting reads:
// code page 932, CR LF. The system folder is created when missing; the file
// is written beside the old one and renamed over it, so a failed write never
// leaves a short settings file. False when the file cannot be written.
bool SavePatdatSetting(const std::filesystem::path& system_folder,
                       std::u16string_view patdat_folder);

// The drive table file of the system folder ("drives.ini", lines "L=folder").
std::filesystem::path DriveTableFile(const std::filesystem::path& system_folder);

// The program's environment: the default drives, then the drive table of
// the system folder. Returns what is wrong when the table is malformed.
std::optional<std::u16string> LoadEnvironment(const std::filesystem::path& system_folder,
                                              Environment& env);

}  // namespace bc

#endif  // BORINGCONV_ENVIRONMENT_SETTINGS_H_

// The settings file "PatdatV5.ini" and the drive table: read from the
// user's settings folder, then from the folder shared by the machine's users;
// written to the user's folder only.
#ifndef BORINGCONV_ENVIRONMENT_SETTINGS_H_
#define BORINGCONV_ENVIRONMENT_SETTINGS_H_

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "environment/environment.h"

namespace bc {

// The user's own settings folder, the only one written: %APPDATA%\boringconv
// on Windows; $XDG_CONFIG_HOME/boringconv (else ~/.config/boringconv) on
// POSIX.
std::filesystem::path UserSettingsFolder();

// The machine's settings folder, read after the user's: the Windows system
// folder; on POSIX the first folder of $XDG_CONFIG_DIRS (else /etc/xdg)
// with boringconv appended.
std::filesystem::path SystemFolder();

// The folders settings are read from, in order: the user's, the machine's.
std::vector<std::filesystem::path> SettingsFolders();

// True when folder lies under a folder that programs are installed to for
// every user (/usr, /opt, /bin ... on POSIX; Program Files and the Windows
// folder on Windows), which no run should write into.
bool UnderSystemPrefix(const std::filesystem::path& folder);

// The pattern-data folder named by the first item of line 2 of
// "PatdatV5.ini", trimmed and ending in "\", or an empty text. A settings file of 0 bytes is
// deleted; one that is missing, unreadable or shorter than two lines gives
// an empty text.
std::u16string LoadPatdatSetting(const std::filesystem::path& system_folder);

// The setting of the first of folders whose settings file names a folder.
std::u16string LoadPatdatSetting(const std::vector<std::filesystem::path>& folders);

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
// the first of folders that holds one. Returns what is wrong when the table
// is malformed.
std::optional<std::u16string> LoadEnvironment(const std::vector<std::filesystem::path>& folders,
                                              Environment& env);

}  // namespace bc

#endif  // BORINGCONV_ENVIRONMENT_SETTINGS_H_

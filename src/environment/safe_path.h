// Drive paths and folder names that stay where they are meant to: ".." never
// climbs above a drive's root, and a name taken from a file never names a
// device, a parent folder or a folder further down.
#ifndef BORINGCONV_ENVIRONMENT_SAFE_PATH_H_
#define BORINGCONV_ENVIRONMENT_SAFE_PATH_H_

#include <string>
#include <string_view>

namespace bc {

// The drive path ("C:\a\..\b") with its "." and ".." elements resolved as
// Windows does: ".." at the root stays at the root ("C:\.." is "C:\"). Empty
// elements are kept, so that a check for "\\" still sees them. Text that is
// not a drive path is returned as it is.
std::u16string NormalDrivePath(std::u16string_view path);

// True for a name Windows takes as a device in any folder: CON, PRN, AUX,
// NUL, COM1 to COM9, LPT1 to LPT9, CONIN$, CONOUT$, in any letter case and
// with any extension or trailing dots and blanks ("nul.txt", "CON ").
bool IsDeviceName(std::u16string_view name);

// True for a folder element that Windows would not keep as written: a device
// name, or one ending in a dot or a blank (Windows drops those).
bool IsUnsafeElement(std::u16string_view element);

// A folder name made from a file's stem that is safe on every drive: the
// characters Windows forbids in names (and the separators) become "_",
// trailing dots and blanks are dropped, a device name gets a leading "_",
// and a name left empty (".", "..", "...") becomes "_".
std::u16string SafeFolderName(std::u16string_view stem);

}  // namespace bc

#endif  // BORINGCONV_ENVIRONMENT_SAFE_PATH_H_

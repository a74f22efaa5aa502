#include "environment/destination_path.h"

#include "environment/safe_path.h"
#include "text/ansi_bytes.h"
#include "text/trim.h"

namespace bc {

std::u16string_view BadDriveNameMessage() {
  return u"規定値のドライブ名が正しくありません。ドライブ名は１文字のアルファベットと \":\" "
         u"でなければいけません。  例 \"C:\", \"D:\"...";
}

namespace {

// An element Windows would not keep as written (a device, trailing dots).
bool HasUnsafeElement(std::u16string_view path) {
  for (std::size_t i = 0; i <= path.size();) {
    std::size_t end = path.find(u'\\', i);
    if (end == std::u16string_view::npos) end = path.size();
    if (IsUnsafeElement(path.substr(i, end - i))) return true;
    i = end + 1;
  }
  return false;
}

}  // namespace

DestinationCheck ValidateDestinationPath(std::u16string& path, Environment& env) {
  path = std::u16string(TrimBlanks(path));
  if (AnsiMidBytes(path, 2, 1) != u":") return DestinationCheck::kBadDriveName;
  if (path.find_first_of(u"*?") != std::u16string::npos) return DestinationCheck::kInvalid;
  if (path[1] != u':') return DestinationCheck::kInvalid;
  if (path.size() >= 3 && path[2] != u'\\') path = path.substr(0, 2) + u"\\" + path.substr(2);
  path = NormalDrivePath(path);
  if (HasUnsafeElement(path)) return DestinationCheck::kInvalid;
  if (!env.SetCurrentDrive(path[0])) return DestinationCheck::kInvalid;
  if (path.back() != u'\\') path.push_back(u'\\');
  if (path.size() == 3)
    return DestinationCheck::kValid;  // a drive root such as C:\ (step order kept)
  return path.find(u"\\\\") == std::u16string::npos ? DestinationCheck::kValid
                                                    : DestinationCheck::kInvalid;
}

}  // namespace bc

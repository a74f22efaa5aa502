#include "environment/destination_path.h"

#include "text/ansi_bytes.h"
#include "text/trim.h"

namespace bc {

bool ValidateDestinationPath(std::u16string& path, Environment& env, RunUi& ui) {
  path = std::u16string(TrimBlanks(path));
  if (AnsiMidBytes(path, 2, 1) != u":") {
    ui.ShowMessage(
        u"規定値のドライブ名が正しくありません。ドライブ名は１文字のアルファベットと \":\" "
        u"でなければいけません。  例 \"C:\", \"D:\"...",
        kStyleInformation, u"");
    return false;
  }
  if (path.find_first_of(u"*?") != std::u16string::npos) return false;
  if (path[1] != u':') return false;
  if (path.size() >= 3 && path[2] != u'\\') path = path.substr(0, 2) + u"\\" + path.substr(2);
  if (!env.SetCurrentDrive(path[0])) return false;
  if (path.back() != u'\\') path.push_back(u'\\');
  if (path.size() == 3) return true;  // a drive root such as C:\ (step order kept)
  return path.find(u"\\\\") == std::u16string::npos;
}

}  // namespace bc

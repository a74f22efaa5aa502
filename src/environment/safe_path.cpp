#include "environment/safe_path.h"

#include <array>
#include <vector>

namespace bc {
namespace {

char16_t Upper(char16_t c) { return c >= u'a' && c <= u'z' ? char16_t(c - 32) : c; }

bool SameIgnoringCase(std::u16string_view a, std::u16string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (Upper(a[i]) != Upper(b[i])) return false;
  }
  return true;
}

std::u16string_view WithoutTrailingDotsAndBlanks(std::u16string_view name) {
  while (!name.empty() && (name.back() == u'.' || name.back() == u' ')) name.remove_suffix(1);
  return name;
}

}  // namespace

std::u16string NormalDrivePath(std::u16string_view path) {
  if (path.size() < 2 || path[1] != u':') return std::u16string(path);
  std::vector<std::u16string_view> kept;
  std::u16string_view rest = path.substr(2);
  bool rooted = !rest.empty() && (rest[0] == u'\\' || rest[0] == u'/');
  bool trailing = false;
  for (std::size_t i = rooted ? 1 : 0; i <= rest.size();) {
    std::size_t end = rest.find_first_of(u"\\/", i);
    if (end == std::u16string_view::npos) end = rest.size();
    std::u16string_view element = rest.substr(i, end - i);
    trailing = end == rest.size() ? element.empty() || element == u"." || element == u".." : false;
    if (element == u"..") {
      if (!kept.empty()) kept.pop_back();
    } else if (element != u"." && !(element.empty() && end == rest.size())) {
      kept.push_back(element);
    }
    i = end + 1;
  }
  std::u16string normal(path.substr(0, 2));
  if (rooted) normal.push_back(u'\\');
  for (std::size_t i = 0; i < kept.size(); ++i) {
    if (i > 0) normal.push_back(u'\\');
    normal += kept[i];
  }
  if (trailing && !kept.empty()) normal.push_back(u'\\');
  return normal;
}

bool IsDeviceName(std::u16string_view name) {
  name = WithoutTrailingDotsAndBlanks(name.substr(0, name.find(u'.')));
  static constexpr std::array<std::u16string_view, 6> kNames = {u"CON", u"PRN",    u"AUX",
                                                                u"NUL", u"CONIN$", u"CONOUT$"};
  for (std::u16string_view device : kNames) {
    if (SameIgnoringCase(name, device)) return true;
  }
  return name.size() == 4 &&
         (SameIgnoringCase(name.substr(0, 3), u"COM") ||
          SameIgnoringCase(name.substr(0, 3), u"LPT")) &&
         name[3] >= u'1' && name[3] <= u'9';
}

bool IsUnsafeElement(std::u16string_view element) {
  if (element.empty() || element == u"." || element == u"..") return false;
  return IsDeviceName(element) || element.back() == u'.' || element.back() == u' ';
}

std::u16string SafeFolderName(std::u16string_view stem) {
  std::u16string name(stem);
  for (char16_t& c : name) {
    if (c < 0x20 || std::u16string_view(u"\\/:*?\"<>|").find(c) != std::u16string_view::npos) {
      c = u'_';
    }
  }
  name.resize(WithoutTrailingDotsAndBlanks(name).size());
  if (name.empty()) return u"_";
  return IsDeviceName(name) ? u"_" + name : name;
}

}  // namespace bc

#include "exchange/exchange_version.h"

#include <algorithm>
#include <optional>

#include "exchange/value_text.h"
#include "text/ascii_case.h"
#include "text/utf8.h"

namespace bc {
namespace {

constexpr std::size_t kDtdNameWindow = 2000;  // characters after the declaration

bool IsAsciiDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

bool IsVersionChar(char16_t c) {
  return IsAsciiDigit(c) || (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || c == u'.';
}

bool MatchesAt(std::u16string_view text, std::size_t at, std::u16string_view word) {
  if (at + word.size() > text.size()) return false;
  for (std::size_t k = 0; k < word.size(); ++k) {
    if (AsciiUpper(text[at + k]) != word[k]) return false;
  }
  return true;
}

// "BED0400.DTD" or "BED210.DTD" (any case) as "4.00" and "2.10".
std::u16string VersionFromDtdName(std::u16string_view text) {
  for (std::size_t at = text.find_first_of(u"Bb"); at != std::u16string_view::npos;
       at = text.find_first_of(u"Bb", at + 1)) {
    if (!MatchesAt(text, at, u"BED")) continue;
    std::size_t digits = at + 3;
    std::size_t end = digits;
    while (end < text.size() && IsAsciiDigit(text[end]) && end - digits < 5) ++end;
    std::size_t count = end - digits;
    if (!MatchesAt(text, end, u".DTD")) continue;
    if (count == 4 && text[digits] == u'0') ++digits, --count;
    if (count != 3) continue;
    return std::u16string{text[digits], u'.', text[digits + 1], text[digits + 2]};
  }
  return u"";
}

std::u16string_view AfterDeclaration(std::u16string_view text) {
  std::u16string_view rest = Trim(text);
  if (rest.starts_with(u"<?xml")) {
    std::size_t end = rest.find(u"?>");
    if (end != std::u16string_view::npos) rest.remove_prefix(end + 2);
  }
  return rest.substr(0, kDtdNameWindow);
}

}  // namespace

std::u16string ExchangeVersion(const XmlTree& tree, std::string_view utf8_document) {
  std::u16string version;
  if (std::optional<std::u16string> attribute = tree.RootAttribute("DTD_version")) {
    version = Trim(*attribute);
  }
  if (version.empty()) {
    // Enough bytes for the declaration and the window, in UTF-8.
    std::string_view head = utf8_document.substr(0, (kDtdNameWindow + 300) * 4);
    version = VersionFromDtdName(AfterDeclaration(FromUtf8(head)));
  }
  std::erase_if(version, [](char16_t c) { return !IsVersionChar(c); });
  return version;
}

bool IsKnownVersion(std::u16string_view version) {
  if (version.empty()) return true;
  char16_t major = version[0];
  if (major != u'2' && major != u'3' && major != u'4') return false;
  if (version.size() == 1) return true;
  if (version[1] != u'.') return false;
  std::u16string_view minor = version.substr(2);
  if (!std::all_of(minor.begin(), minor.end(), IsAsciiDigit)) return false;
  // 2.00, 2.01 and 2.10 share their tags; 3 and 4 have one version each.
  return major == u'2' || minor.find_first_not_of(u'0') == std::u16string_view::npos;
}

}  // namespace bc

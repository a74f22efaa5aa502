#include "exchange/xml_references.h"

#include "text/utf8.h"

namespace bc {
namespace {

bool IsXmlChar(char32_t c) {
  return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) ||
         (c >= 0xE000 && c <= 0xFFFD) || (c >= 0x10000 && c <= 0x10FFFF);
}

void AppendCodePoint(char32_t c, std::u16string* out) {
  if (c >= 0x10000) {
    c -= 0x10000;
    out->push_back(static_cast<char16_t>(0xD800 + (c >> 10)));
    out->push_back(static_cast<char16_t>(0xDC00 + (c & 0x3FF)));
  } else {
    out->push_back(static_cast<char16_t>(c));
  }
}

// The character of a reference's name ("amp", "#38", "#x26"); 0 if none.
char32_t ReferencedChar(std::string_view name) {
  if (name == "amp") return U'&';
  if (name == "lt") return U'<';
  if (name == "gt") return U'>';
  if (name == "quot") return U'"';
  if (name == "apos") return U'\'';
  if (name.size() < 2 || name[0] != '#') return 0;
  bool hex = name[1] == 'x';
  std::string_view digits = name.substr(hex ? 2 : 1);
  if (digits.empty()) return 0;
  char32_t value = 0;
  for (char c : digits) {
    int d;
    if (c >= '0' && c <= '9') {
      d = c - '0';
    } else if (hex && c >= 'a' && c <= 'f') {
      d = c - 'a' + 10;
    } else if (hex && c >= 'A' && c <= 'F') {
      d = c - 'A' + 10;
    } else {
      return 0;
    }
    value = value * (hex ? 16 : 10) + static_cast<char32_t>(d);
    if (value > 0x10FFFF) return 0;
  }
  return IsXmlChar(value) ? value : 0;
}

}  // namespace

std::size_t AppendResolved(std::string_view raw, std::u16string* out) {
  std::size_t done = 0;
  for (std::size_t amp = raw.find('&'); amp != std::string_view::npos; amp = raw.find('&', done)) {
    out->append(FromUtf8(raw.substr(done, amp - done)));
    std::size_t semicolon = raw.find(';', amp);
    // Names longer than this are no reference this reader knows.
    if (semicolon == std::string_view::npos || semicolon - amp > 12) return amp;
    char32_t c = ReferencedChar(raw.substr(amp + 1, semicolon - amp - 1));
    if (c == 0) return amp;
    AppendCodePoint(c, out);
    done = semicolon + 1;
  }
  out->append(FromUtf8(raw.substr(done)));
  return kReferencesOk;
}

}  // namespace bc

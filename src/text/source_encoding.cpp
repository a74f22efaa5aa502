#include "text/source_encoding.h"

#include <algorithm>
#include <string_view>

#include "text/codepage.h"
#include "text/utf8.h"

namespace bc {
namespace {

using Problem = SourceDecoding::Problem;

// Calls take(text, end) for every line, end being its terminator: CR LF, a
// bare CR or a bare LF, or nothing after the last line. Stops when take
// returns false.
template <class Char, class Take>
void ForEachSourceLine(std::basic_string_view<Char> text, Take take) {
  std::size_t at = 0;
  while (at < text.size()) {
    std::size_t stop = at;
    while (stop < text.size() && text[stop] != Char('\r') && text[stop] != Char('\n')) ++stop;
    std::size_t next = stop;
    if (next < text.size()) {
      bool crlf =
          text[next] == Char('\r') && next + 1 < text.size() && text[next + 1] == Char('\n');
      next += crlf ? 2 : 1;
    }
    if (!take(text.substr(at, stop - at), text.substr(stop, next - stop))) return;
    at = next;
  }
}

bool IsAnsiText(std::string_view line) {
  for (AnsiCharReader reader(line); !reader.AtEnd();) {
    if (reader.Next() == kReplacementChar) return false;
  }
  return true;
}

// Strict UTF-8: no overlong form, no surrogate, nothing beyond U+10FFFF.
bool IsUtf8Text(std::string_view line) {
  auto byte = [line](std::size_t i) {
    return i < line.size() ? static_cast<unsigned char>(line[i]) : 0u;
  };
  for (std::size_t i = 0; i < line.size();) {
    unsigned b = byte(i);
    unsigned low = 0x80, high = 0xBF;  // the range of the second byte
    int length = 1;
    if (b < 0x80) {
      ++i;
      continue;
    } else if (b >= 0xC2 && b <= 0xDF) {
      length = 2;
    } else if (b >= 0xE0 && b <= 0xEF) {
      length = 3;
      if (b == 0xE0) low = 0xA0;
      if (b == 0xED) high = 0x9F;
    } else if (b >= 0xF0 && b <= 0xF4) {
      length = 4;
      if (b == 0xF0) low = 0x90;
      if (b == 0xF4) high = 0x8F;
    } else {
      return false;
    }
    if (byte(i + 1) < low || byte(i + 1) > high) return false;
    for (int k = 2; k < length; ++k) {
      if ((byte(i + k) & 0xC0) != 0x80) return false;
    }
    i += static_cast<std::size_t>(length);
  }
  return true;
}

// Text saved by a JIS-minded converter spells a few characters as JIS X 0208
// has them, where code page 932 has their Windows forms; both are the same
// character to the user (the wave dash of 「暗褐〜灰褐」 above all).
char16_t WindowsForm(char16_t c) {
  switch (c) {
    case u'\u301C':
      return u'\uFF5E';  // wave dash
    case u'\u2016':
      return u'\u2225';  // double vertical line
    case u'\u2212':
      return u'\uFF0D';  // minus sign
    case u'\u2014':
      return u'\u2015';  // em dash
    case u'\u00A2':
      return u'\uFFE0';  // cent sign
    case u'\u00A3':
      return u'\uFFE1';  // pound sign
    case u'\u00AC':
      return u'\uFFE2';  // not sign
    case u'\u00A6':
      return u'\uFFE4';  // broken bar
    default:
      return c;
  }
}

bool IsHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

// Appends line as code-page bytes to out.bytes; false, with the problem set,
// at a character the code page lacks or a lone surrogate.
bool AppendAnsiLine(std::u16string_view line, long number, SourceDecoding& out) {
  std::u16string text(line);
  for (std::size_t i = 0; i < text.size(); ++i) {
    char16_t c = text[i];
    if (c < 0x80) continue;
    out.line = number;
    if (IsHighSurrogate(c) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
      out.problem = Problem::kUnwritable;
      out.character = 0x10000 + ((c - 0xD800u) << 10) + (text[i + 1] - 0xDC00u);
      return false;
    }
    if (IsHighSurrogate(c) || IsLowSurrogate(c)) {
      out.problem = Problem::kUnreadable;
      return false;
    }
    if (!IsAnsiEncodable(c)) c = WindowsForm(c);
    if (!IsAnsiEncodable(c)) {
      out.problem = Problem::kUnwritable;
      out.character = text[i];
      return false;
    }
    text[i] = c;
  }
  AppendAnsi(text, &out.bytes);
  return true;
}

// The text of every line, as code-page bytes, each line ending as it did
// but a bare LF as CR LF.
template <class Char, class Decode>
SourceDecoding Recode(std::basic_string_view<Char> text, SourceEncoding encoding, Decode decode) {
  SourceDecoding out;
  out.encoding = encoding;
  out.bytes.reserve(text.size());
  long number = 0;
  ForEachSourceLine(text, [&](std::basic_string_view<Char> line, std::basic_string_view<Char> end) {
    if (!AppendAnsiLine(decode(line), ++number, out)) return false;
    if (!end.empty()) out.bytes += end.size() == 1 && end[0] == Char('\r') ? "\r" : "\r\n";
    return true;
  });
  if (out.problem != Problem::kNone) out.bytes.clear();
  return out;
}

SourceDecoding Unreadable(SourceEncoding encoding, long line) {
  SourceDecoding out;
  out.problem = Problem::kUnreadable;
  out.encoding = encoding;
  out.line = line;
  return out;
}

SourceDecoding FromUtf16(std::string_view bytes, bool big_endian) {
  std::u16string units(bytes.size() / 2, u'\0');
  for (std::size_t i = 0; i < units.size(); ++i) {
    auto first = static_cast<unsigned char>(bytes[2 * i]);
    auto second = static_cast<unsigned char>(bytes[2 * i + 1]);
    units[i] = static_cast<char16_t>(big_endian ? first << 8 | second : second << 8 | first);
  }
  std::u16string_view text = units;
  SourceDecoding out =
      Recode(text, SourceEncoding::kUtf16, [](std::u16string_view line) { return line; });
  if (out.problem == Problem::kNone && bytes.size() % 2 != 0) {  // a half character at the end
    long lines = 0;
    ForEachSourceLine(text, [&lines](std::u16string_view, std::u16string_view) { return ++lines; });
    return Unreadable(SourceEncoding::kUtf16, lines > 0 ? lines : 1);
  }
  return out;
}

SourceDecoding FromUtf8Bytes(std::string_view bytes) {
  return Recode(bytes, SourceEncoding::kUtf8, [](std::string_view line) {
    return IsUtf8Text(line) ? FromUtf8(line)
                            : std::u16string(1, char16_t{0xD800});  // a lone surrogate
  });
}

// The first line that is not valid text of the encoding, 0 when there is none.
long FirstBadLine(std::string_view bytes, bool (*valid)(std::string_view)) {
  long number = 0;
  long bad = 0;
  ForEachSourceLine(bytes, [&](std::string_view line, std::string_view) {
    ++number;
    if (!valid(line)) bad = number;
    return bad == 0;
  });
  return bad;
}

// A CR before every bare LF, the bytes otherwise as they are.
void EndBareLfLines(std::string& bytes) {
  std::size_t at = bytes.find('\n');
  if (at == std::string::npos) return;  // the common case: nothing to copy
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 16);
  std::size_t from = 0;
  for (; at != std::string::npos; at = bytes.find('\n', at + 1)) {
    out.append(bytes, from, at - from);
    if (at == 0 || bytes[at - 1] != '\r') out += '\r';
    from = at;
  }
  out.append(bytes, from);
  bytes = std::move(out);
}

}  // namespace

std::u16string SourceFirstLine(std::string_view head) {
  std::u16string text;
  if (head.starts_with("\xFF\xFE") || head.starts_with("\xFE\xFF")) {
    bool big_endian = head[0] == '\xFE';
    for (std::size_t i = 2; i + 1 < head.size(); i += 2) {
      auto first = static_cast<unsigned char>(head[i]);
      auto second = static_cast<unsigned char>(head[i + 1]);
      text += static_cast<char16_t>(big_endian ? first << 8 | second : second << 8 | first);
    }
  } else if (head.starts_with("\xEF\xBB\xBF")) {
    text = FromUtf8(head.substr(3));
  } else {
    text = DecodeAnsi(head);
  }
  return text.substr(0, text.find_first_of(u"\r\n"));
}

SourceDecoding DecodeSource(std::string bytes) {
  std::string_view view = bytes;
  if (view.starts_with("\xFF\xFE")) return FromUtf16(view.substr(2), false);
  if (view.starts_with("\xFE\xFF")) return FromUtf16(view.substr(2), true);
  if (view.starts_with("\xEF\xBB\xBF")) return FromUtf8Bytes(view.substr(3));
  long bad_ansi = FirstBadLine(view, IsAnsiText);
  if (bad_ansi == 0) {
    SourceDecoding out;
    out.bytes = std::move(bytes);
    EndBareLfLines(out.bytes);
    return out;
  }
  long bad_utf8 = FirstBadLine(view, IsUtf8Text);
  if (bad_utf8 == 0) return FromUtf8Bytes(view);
  // Neither: the encoding that read further is the likelier one.
  return Unreadable(SourceEncoding::kShiftJis, std::max(bad_ansi, bad_utf8));
}

}  // namespace bc

#include "exchange/xml_encoding.h"

#include <algorithm>

#include "text/ascii_case.h"
#include "text/codepage.h"
#include "text/utf8.h"

namespace bc {
namespace {

constexpr std::size_t kDeclarationWindow = 300;

bool StartsWith(std::string_view s, std::string_view prefix) {
  return s.substr(0, prefix.size()) == prefix;
}

bool IsAsciiBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// Lower case with "_" for "-", so that Shift-JIS and shift_jis compare equal.
std::string EncodingKey(std::string_view name) {
  std::string key(name);
  for (char& c : key) {
    c = AsciiLower(c);
    if (c == '-') c = '_';
  }
  return key;
}

bool IsShiftJisName(const std::string& key) {
  return key == "shift_jis" || key == "sjis" || key == "x_sjis" || key == "windows_31j" ||
         key == "cp932" || key == "ms932";
}

bool HasReplacement(std::u16string_view text) {
  return text.find(kReplacementChar) != std::u16string_view::npos;
}

std::optional<std::u16string> DecodeCodePage932(std::string_view bytes) {
  std::u16string text = DecodeAnsi(bytes);
  if (HasReplacement(text)) return std::nullopt;
  return text;
}

// EUC-JP through code page 932: JIS X 0208 row and cell become the
// Shift_JIS pair; JIS X 0212 (0x8F) is not decoded.
std::optional<std::u16string> DecodeEucJp(std::string_view bytes) {
  std::string sjis;
  sjis.reserve(bytes.size());
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    unsigned b = static_cast<unsigned char>(bytes[i]);
    if (b < 0x80) {
      sjis.push_back(static_cast<char>(b));
      continue;
    }
    if (i + 1 >= bytes.size()) return std::nullopt;
    unsigned b2 = static_cast<unsigned char>(bytes[++i]);
    if (b == 0x8E && b2 >= 0xA1 && b2 <= 0xDF) {
      sjis.push_back(static_cast<char>(b2));
      continue;
    }
    if (b < 0xA1 || b > 0xFE || b2 < 0xA1 || b2 > 0xFE) return std::nullopt;
    unsigned j1 = b - 0x80, j2 = b2 - 0x80;  // JIS X 0208 bytes 0x21-0x7E
    unsigned lead = ((j1 + 1) >> 1) + (j1 <= 0x5E ? 0x70 : 0xB0);
    unsigned trail = j2 + (j1 % 2 == 1 ? (j2 >= 0x60 ? 0x20 : 0x1F) : 0x7E);
    sjis.push_back(static_cast<char>(lead));
    sjis.push_back(static_cast<char>(trail));
  }
  return DecodeCodePage932(sjis);
}

std::optional<std::u16string> DecodeLatin1(std::string_view bytes) {
  std::u16string text;
  text.reserve(bytes.size());
  for (char c : bytes) text.push_back(static_cast<unsigned char>(c));
  return text;
}

std::optional<std::u16string> DecodeUtf16(std::string_view bytes, bool little_endian) {
  if (bytes.size() % 2 != 0) return std::nullopt;
  std::u16string text;
  text.reserve(bytes.size() / 2);
  for (std::size_t i = 0; i < bytes.size(); i += 2) {
    unsigned lo = static_cast<unsigned char>(bytes[i + (little_endian ? 0 : 1)]);
    unsigned hi = static_cast<unsigned char>(bytes[i + (little_endian ? 1 : 0)]);
    text.push_back(static_cast<char16_t>(hi << 8 | lo));
  }
  for (std::size_t i = 0; i < text.size(); ++i) {  // surrogates must pair up
    char16_t c = text[i];
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
        text[i + 1] <= 0xDFFF) {
      ++i;
    } else if (c >= 0xD800 && c <= 0xDFFF) {
      return std::nullopt;
    }
  }
  return text;
}

std::optional<std::u16string> DecodeDeclared(const std::string& key, std::string_view bytes) {
  if (key == "euc_jp" || key == "eucjp" || key == "x_euc_jp") return DecodeEucJp(bytes);
  if (key == "iso_8859_1" || key == "latin1" || key == "iso8859_1") return DecodeLatin1(bytes);
  if (key == "utf_16le") return DecodeUtf16(bytes, true);
  if (key == "utf_16be") return DecodeUtf16(bytes, false);
  return std::nullopt;
}

std::optional<std::string> AsUtf8(const std::optional<std::u16string>& text) {
  if (!text) return std::nullopt;
  return ToUtf8(*text);
}

}  // namespace

bool IsValidUtf8(std::string_view bytes) {
  std::size_t i = 0;
  while (i < bytes.size()) {
    unsigned b = static_cast<unsigned char>(bytes[i]);
    if (b < 0x80) {
      ++i;
      continue;
    }
    std::size_t length;
    unsigned lo = 0x80, hi = 0xBF;
    if (b >= 0xC2 && b <= 0xDF) {
      length = 2;
    } else if (b >= 0xE0 && b <= 0xEF) {
      length = 3;
      if (b == 0xE0) lo = 0xA0;
      if (b == 0xED) hi = 0x9F;  // no surrogates
    } else if (b >= 0xF0 && b <= 0xF4) {
      length = 4;
      if (b == 0xF0) lo = 0x90;
      if (b == 0xF4) hi = 0x8F;
    } else {
      return false;
    }
    if (i + length > bytes.size()) return false;
    unsigned second = static_cast<unsigned char>(bytes[i + 1]);
    if (second < lo || second > hi) return false;
    for (std::size_t k = 2; k < length; ++k) {
      if ((static_cast<unsigned char>(bytes[i + k]) & 0xC0) != 0x80) return false;
    }
    i += length;
  }
  return true;
}

std::string DeclaredEncoding(std::string_view bytes) {
  std::string_view head = bytes.substr(0, kDeclarationWindow);
  std::size_t start = 0;
  while (start < head.size() && IsAsciiBlank(head[start])) ++start;
  if (!StartsWith(head.substr(start), "<?xml")) return {};
  std::size_t end = head.find("?>", start);
  std::string_view decl = head.substr(start, end == std::string_view::npos ? head.size() : end);
  std::size_t at = decl.find("encoding");
  if (at == std::string_view::npos) return {};
  std::size_t i = at + 8;
  while (i < decl.size() && IsAsciiBlank(decl[i])) ++i;
  if (i >= decl.size() || decl[i] != '=') return {};
  ++i;
  while (i < decl.size() && IsAsciiBlank(decl[i])) ++i;
  if (i >= decl.size() || (decl[i] != '"' && decl[i] != '\'')) return {};
  char quote = decl[i++];
  std::size_t close = decl.find(quote, i);
  if (close == std::string_view::npos) return {};
  return std::string(decl.substr(i, close - i));
}

std::optional<std::string> DecodeXmlBytes(std::string_view bytes) {
  if (StartsWith(bytes, "\xEF\xBB\xBF")) {
    std::string_view rest = bytes.substr(3);
    if (!IsValidUtf8(rest)) return std::nullopt;
    return std::string(rest);
  }
  if (StartsWith(bytes, "\xFF\xFE")) return AsUtf8(DecodeUtf16(bytes.substr(2), true));
  if (StartsWith(bytes, "\xFE\xFF")) return AsUtf8(DecodeUtf16(bytes.substr(2), false));

  if (IsValidUtf8(bytes)) return std::string(bytes);
  std::string key = EncodingKey(DeclaredEncoding(bytes));
  if (!key.empty() && key != "utf_8" && key != "utf8" && !IsShiftJisName(key)) {
    if (std::optional<std::u16string> text = DecodeDeclared(key, bytes)) return ToUtf8(*text);
  }
  if (std::optional<std::u16string> text = DecodeCodePage932(bytes)) return ToUtf8(*text);
  return AsUtf8(DecodeEucJp(bytes));
}

}  // namespace bc

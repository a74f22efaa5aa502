#include "text/codepage.h"

#include <array>
#include <bitset>
#include <cstdint>
#include <memory>
#include <vector>

#include "text/codepage_platform.h"

namespace bc {
namespace {

constexpr std::uint16_t kNoCode = 0xFFFF;  // no byte sequence starts with 0xFF 0xFF

// The NEC-selected IBM extensions duplicate the IBM extensions at FA40-FC4B;
// Windows never encodes to them.
bool IsNecSelectedIbm(unsigned code) { return code >= 0xED40 && code <= 0xEEFC; }

struct Tables {
  std::array<char16_t, 256> single{};  // kReplacementChar for lead and unused bytes
  std::array<char16_t, 65536> pair{};  // indexed by lead << 8 | trail; 0 when unmapped
  std::array<std::uint16_t, 65536> encode{};
  std::bitset<65536> several_forms;  // decoded from more than one byte sequence
  bool ready = false;                // the platform decoded the probe characters

  Tables() {
    encode.fill(kNoCode);
    for (unsigned b = 0; b < 256; ++b) single[b] = DecodeSingle(b);
    for (unsigned b = 0; b < 256; ++b) {
      if (single[b] != kReplacementChar) Learn(single[b], b);
    }
    std::vector<std::uint16_t> codes;
    for (unsigned lead = 0x81; lead <= 0xFC; ++lead) {
      if (!IsAnsiLeadByte(lead) || IsUserDefinedLead(lead)) continue;
      for (unsigned trail = 0x40; trail <= 0xFC; ++trail) {
        if (IsAnsiTrailByte(trail)) codes.push_back(static_cast<std::uint16_t>(lead << 8 | trail));
      }
    }
    std::vector<char16_t> decoded = internal::PlatformDecodePairs(codes);
    for (std::size_t i = 0; i < codes.size(); ++i) {
      if (decoded[i] != kReplacementChar) pair[codes[i]] = decoded[i];
    }
    for (unsigned lead = 0x81; lead <= 0xFC; ++lead) {
      if (!IsAnsiLeadByte(lead)) continue;
      for (unsigned trail = 0x40; trail <= 0xFC; ++trail) {
        if (!IsAnsiTrailByte(trail)) continue;
        if (IsUserDefinedLead(lead)) pair[lead << 8 | trail] = UserDefined(lead, trail);
        if (pair[lead << 8 | trail] != 0) Learn(pair[lead << 8 | trail], lead << 8 | trail);
      }
    }
    // Hiragana A, the first kanji, and a NEC row-13 sign: a converter that
    // did not load leaves them all unmapped.
    ready = pair[0x82A0] == u'\u3042' && pair[0x889F] == u'\u4E9C' && pair[0x8740] == u'\u2460';
  }

  static char16_t DecodeSingle(unsigned b) {
    if (b < 0x80) return static_cast<char16_t>(b);
    if (b >= 0xA1 && b <= 0xDF) return static_cast<char16_t>(0xFF61 + (b - 0xA1));
    switch (b) {  // Windows keeps these single bytes as private or control characters
      case 0x80:
        return u'\u0080';
      case 0xA0:
        return u'\uF8F0';
      case 0xFD:
        return u'\uF8F1';
      case 0xFE:
        return u'\uF8F2';
      case 0xFF:
        return u'\uF8F3';
      default:
        return kReplacementChar;
    }
  }

  static bool IsUserDefinedLead(unsigned lead) { return lead >= 0xF0 && lead <= 0xF9; }

  // The user-defined area is private use, as Windows maps it.
  static char16_t UserDefined(unsigned lead, unsigned trail) {
    unsigned index = (lead - 0xF0) * 188 + (trail - 0x40) - (trail > 0x7F ? 1 : 0);
    return static_cast<char16_t>(0xE000 + index);
  }

  // The first sequence of a character wins, except over a NEC-selected IBM one.
  void Learn(char16_t c, unsigned code) {
    std::uint16_t& slot = encode[c];
    if (slot != kNoCode) several_forms[c] = true;
    if (slot == kNoCode || (IsNecSelectedIbm(slot) && !IsNecSelectedIbm(code))) {
      slot = static_cast<std::uint16_t>(code);
    }
  }
};

const Tables& GetTables() {
  static const std::unique_ptr<Tables> tables = std::make_unique<Tables>();
  return *tables;
}

}  // namespace

std::u16string DecodeAnsi(std::string_view bytes) {
  // One character per byte at most, filled through a pointer (a hot loop).
  std::u16string text(bytes.size(), u'\0');
  char16_t* out = text.data();
  for (AnsiCharReader reader(bytes); !reader.AtEnd();) *out++ = reader.Next();
  text.resize(static_cast<std::size_t>(out - text.data()));
  return text;
}

AnsiCharReader::AnsiCharReader(std::string_view bytes)
    : at_(reinterpret_cast<const unsigned char*>(bytes.data())),
      end_(at_ + bytes.size()),
      single_(GetTables().single.data()),
      pair_(GetTables().pair.data()) {}

std::string EncodeAnsi(std::u16string_view text) {
  std::string bytes;
  AppendAnsi(text, &bytes);
  return bytes;
}

void AppendAnsi(std::u16string_view text, std::string* bytes) {
  const Tables& t = GetTables();
  // Filled through a pointer into room for the longest result: the run
  // encodes every field it measures or writes, so this is a hot loop.
  std::size_t start = bytes->size();
  bytes->resize(start + text.size() * 2);
  char* out = bytes->data() + start;
  for (char16_t c : text) {
    if (c < 0x80) {  // ASCII is its own byte, and most of every output line
      *out++ = static_cast<char>(c);
      continue;
    }
    std::uint16_t code = t.encode[c];
    if (code == kNoCode) {
      *out++ = '?';
    } else if (code > 0xFF) {
      *out++ = static_cast<char>(code >> 8);
      *out++ = static_cast<char>(code & 0xFF);
    } else {
      *out++ = static_cast<char>(code);
    }
  }
  bytes->resize(static_cast<std::size_t>(out - bytes->data()));
}

bool AnsiCodePageReady() { return GetTables().ready; }

bool IsAnsiEncodable(std::u16string_view text) {
  const Tables& t = GetTables();
  for (char16_t c : text) {
    if (c >= 0x80 && t.encode[c] == kNoCode) return false;
  }
  return true;
}

bool HasOneAnsiForm(char16_t c) {
  const Tables& t = GetTables();
  return t.encode[c] != kNoCode && !t.several_forms[c];
}

bool IsAnsiEncodable(char16_t c) { return c < 0x80 || GetTables().encode[c] != kNoCode; }

int AnsiCharWidth(char16_t c) {
  if (c < 0x80) return 1;  // most characters measured, without the table
  std::uint16_t code = GetTables().encode[c];
  return code != kNoCode && code > 0xFF ? 2 : 1;
}

}  // namespace bc

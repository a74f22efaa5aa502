#include "run/table_key.h"

#include <cstdint>

#include "text/codepage.h"
#include "text/free_format.h"
#include "text/width.h"

namespace bc {
namespace {

// A hash built one character at a time (FNV-1a over 16-bit units, with a
// final mix so that the low bits, which pick the buckets, use every unit).
class CharHash {
 public:
  void Add(char16_t c) { hash_ = (hash_ ^ c) * 0x100000001B3ULL; }
  std::size_t Value() const {
    std::uint64_t h = hash_;
    h ^= h >> 33;
    h *= 0xFF51AFD7ED558CCDULL;
    h ^= h >> 33;
    return static_cast<std::size_t>(h);
  }

 private:
  std::uint64_t hash_ = 0xCBF29CE484222325ULL;
};

// Gives the key's characters to take, one at a time, each in the key's width.
template <class Widen, class Take>
void TakeKeyChars(std::string_view item, char16_t stop, Widen widen, Take take) {
  for (AnsiCharReader reader(item); !reader.AtEnd();) {
    char16_t c = reader.Next();
    if (c == stop) return;
    widen(c, take);
  }
}

template <class Take>
void ForEachKeyChar(const TableKey& key, std::string_view line, Take take) {
  std::string_view item = AnsiFreeFormatItem(line, key.item);
  switch (key.width) {
    case TableKey::Width::kAsRead:
      return TakeKeyChars(
          item, key.stop, [](char16_t c, Take& to) { to(c); }, take);
    case TableKey::Width::kFull:
      return TakeKeyChars(
          item, key.stop, [](char16_t c, Take& to) { to(FullWidthChar(c)); }, take);
    case TableKey::Width::kHalf:
      return TakeKeyChars(
          item, key.stop,
          [](char16_t c, Take& to) {
            char16_t half[2];
            for (int i = 0, n = HalfWidthChars(c, half); i < n; ++i) to(half[i]);
          },
          take);
  }
}

}  // namespace

std::u16string KeyText(const TableKey& key, std::string_view line) {
  std::u16string text;
  ForEachKeyChar(key, line, [&text](char16_t c) { text.push_back(c); });
  return text;
}

std::size_t KeyHash(const TableKey& key, std::string_view line) {
  CharHash hash;
  ForEachKeyChar(key, line, [&hash](char16_t c) { hash.Add(c); });
  return hash.Value();
}

std::optional<std::string> KeyBytes(const TableKey& key, std::u16string_view text) {
  auto width_neutral = [](char16_t c) {
    return !(c >= u'0' && c <= u'Z') && !(c >= u'\uFF10' && c <= u'\uFF3A') &&
           !(c >= u'\uFF66' && c <= u'\uFF9F') && !(c >= u'ァ' && c <= u'ー');
  };
  if (text.empty()) return std::nullopt;
  for (char16_t c : text) {
    if (c == key.stop || !HasOneAnsiForm(c)) return std::nullopt;
    if (key.width != TableKey::Width::kAsRead && !width_neutral(c)) return std::nullopt;
  }
  bool quoted = text[0] == u' ' || text[0] == u'\t';  // an unquoted item starts after its blanks
  return (quoted ? "\"" : "") + EncodeAnsi(text);
}

std::size_t KeyHash(std::u16string_view text) {
  CharHash hash;
  for (char16_t c : text) hash.Add(c);
  return hash.Value();
}

}  // namespace bc

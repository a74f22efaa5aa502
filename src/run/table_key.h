// How the entries of a table are found: by one of their free-format items,
// compared in one width, and up to the character that starts a remark. The
// key is read from the line's code-page bytes without decoding the line, so
// that indexing a large table costs one short pass per entry.
#ifndef BORINGCONV_RUN_TABLE_KEY_H_
#define BORINGCONV_RUN_TABLE_KEY_H_

#include <compare>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace bc {

struct TableKey {
  enum class Width { kAsRead, kFull, kHalf };     // kFull: ToFullWidth, kHalf: ToHalfWidth
  static constexpr char16_t kNoStop = u'\uFFFF';  // never a character of a table

  std::size_t item = 1;
  Width width = Width::kAsRead;
  char16_t stop = kNoStop;  // the key ends before the first of these

  auto operator<=>(const TableKey&) const = default;
};

// The key of an entry, from its line's bytes.
std::u16string KeyText(const TableKey& key, std::string_view line);

// KeyHash(KeyText(key, line)), computed without building the text.
std::size_t KeyHash(const TableKey& key, std::string_view line);
std::size_t KeyHash(std::u16string_view text);

// The bytes every line whose key is text holds, when there is one such
// spelling: each character has one code-page form and no other character
// takes its form in the key's width (so no digits, capitals or katakana in
// either width). A text starting with a blank can only be a quoted item, so
// its spelling starts with the quote. Nothing otherwise, and for an empty
// text.
std::optional<std::string> KeyBytes(const TableKey& key, std::u16string_view text);

}  // namespace bc

#endif  // BORINGCONV_RUN_TABLE_KEY_H_

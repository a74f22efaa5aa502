// Joining the columns of an output line.
#ifndef BORINGCONV_TEXT_CONCAT_H_
#define BORINGCONV_TEXT_CONCAT_H_

#include <initializer_list>
#include <string>
#include <string_view>

namespace bc {

// The pieces one after another, in one allocation: a chain of "+" would
// copy and grow the text once per piece, on every line of every output.
inline std::u16string Concat(std::initializer_list<std::u16string_view> pieces) {
  std::size_t size = 0;
  for (std::u16string_view piece : pieces) size += piece.size();
  std::u16string text;
  text.reserve(size);
  for (std::u16string_view piece : pieces) text.append(piece);
  return text;
}

}  // namespace bc

#endif  // BORINGCONV_TEXT_CONCAT_H_

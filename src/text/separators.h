// Counting and splitting a text at separator characters (folder paths).
#ifndef BORINGCONV_TEXT_SEPARATORS_H_
#define BORINGCONV_TEXT_SEPARATORS_H_

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace bc {

// Occurrences in text of each character of separators, summed. Characters are
// counted, not bytes, so the second byte of ソ or 表 is never taken for "\".
std::int16_t CountSeparators(std::u16string_view text, std::u16string_view separators);

// parts[1], parts[2], ...: the pieces between separator characters; a
// separator at the end gives an empty last piece. Slots above the last piece
// keep what they held; parts grows when it has too few slots. Returns the
// number of pieces.
std::size_t SplitAtSeparators(std::u16string_view text, std::u16string_view separators,
                              std::vector<std::u16string>& parts);

}  // namespace bc

#endif  // BORINGCONV_TEXT_SEPARATORS_H_

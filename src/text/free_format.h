// Items of a comma-separated line as the classic free-format input reads
// them: leading blanks skipped, an item ends at a comma or at the end of the
// line, a double-quoted item may hold commas, and an unquoted item loses its
// trailing blanks.
#ifndef BORINGCONV_TEXT_FREE_FORMAT_H_
#define BORINGCONV_TEXT_FREE_FORMAT_H_

#include <string>
#include <string_view>
#include <vector>

namespace bc {

// Every item of one line; an empty line holds one empty item.
std::vector<std::u16string> ReadFreeFormatItems(std::u16string_view line);

// Item `index` (zero-based) of the items, empty when the line has fewer.
std::u16string ItemOrEmpty(const std::vector<std::u16string>& items, std::size_t index);

// The bytes of item `index` of a code-page line: decoded, they give
// ItemOrEmpty(ReadFreeFormatItems(DecodeAnsi(line)), index). Separators,
// quotes and blanks are single bytes that never end a double-byte
// character, so the items can be found without decoding the line.
std::string_view AnsiFreeFormatItem(std::string_view line, std::size_t index);

}  // namespace bc

#endif  // BORINGCONV_TEXT_FREE_FORMAT_H_

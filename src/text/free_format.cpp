#include "text/free_format.h"

#include <algorithm>

namespace bc {
namespace {

// Gives each item of line to take, in order, until take returns false: its
// characters without the quotes, an unquoted item without its trailing
// blanks. Blanks, quotes and commas are the same units in text and in
// code-page bytes (none ends a double-byte character, and a blank after a
// lone lead byte decodes to itself), so one reading serves both.
template <class Char, class Take>
void ForEachItem(std::basic_string_view<Char> line, Take take) {
  constexpr auto npos = std::basic_string_view<Char>::npos;
  std::size_t i = 0;
  while (true) {
    while (i < line.size() && (line[i] == Char(' ') || line[i] == Char('\t'))) ++i;
    std::size_t end;
    std::basic_string_view<Char> item;
    if (i < line.size() && line[i] == Char('"')) {
      std::size_t close = std::min(line.find(Char('"'), i + 1), line.size());
      item = line.substr(i + 1, close - i - 1);
      end = line.find(Char(','), close);
    } else {
      end = line.find(Char(','), i);
      item = line.substr(i, end == npos ? npos : end - i);
      item = item.substr(0, item.find_last_not_of(Char(' ')) + 1);
    }
    if (!take(item) || end == npos) return;
    i = end + 1;
  }
}

}  // namespace

std::vector<std::u16string> ReadFreeFormatItems(std::u16string_view line) {
  std::vector<std::u16string> items;
  ForEachItem(line, [&items](std::u16string_view item) {
    items.emplace_back(item);
    return true;
  });
  return items;
}

std::u16string ItemOrEmpty(const std::vector<std::u16string>& items, std::size_t index) {
  return index < items.size() ? items[index] : std::u16string();
}

std::string_view AnsiFreeFormatItem(std::string_view line, std::size_t index) {
  std::string_view found;
  std::size_t at = 0;
  ForEachItem(line, [&](std::string_view item) {
    if (at++ < index) return true;
    found = item;
    return false;
  });
  return found;
}

}  // namespace bc

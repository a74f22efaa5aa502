#include "text/free_format.h"

#include "text/trim.h"

namespace bc {

std::vector<std::u16string> ReadFreeFormatItems(std::u16string_view line) {
  std::vector<std::u16string> items;
  std::size_t i = 0;
  while (true) {
    while (i < line.size() && (line[i] == u' ' || line[i] == u'\t')) ++i;
    std::size_t end;
    if (i < line.size() && line[i] == u'"') {
      std::size_t close = line.find(u'"', i + 1);
      if (close == std::u16string_view::npos) close = line.size();
      items.emplace_back(line.substr(i + 1, close - i - 1));
      end = line.find(u',', close);
    } else {
      end = line.find(u',', i);
      std::u16string_view item = line.substr(i, end == std::u16string_view::npos ? end : end - i);
      items.emplace_back(TrimRightBlanks(item));
    }
    if (end == std::u16string_view::npos) break;
    i = end + 1;
  }
  return items;
}

std::u16string ItemOrEmpty(const std::vector<std::u16string>& items, std::size_t index) {
  return index < items.size() ? items[index] : std::u16string();
}

}  // namespace bc

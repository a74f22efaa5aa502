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

std::string_view AnsiFreeFormatItem(std::string_view line, std::size_t index) {
  // Items are short: plain loops beat library searches here (a hot path).
  const char* at = line.data();
  const char* end = at + line.size();
  auto find = [&end](const char* from, char c) {
    while (from != end && *from != c) ++from;
    return from;
  };
  for (std::size_t item = 0;; ++item) {
    while (at != end && (*at == ' ' || *at == '\t')) ++at;
    const char* next;  // the comma that ends the item, or end
    std::string_view bytes;
    if (at != end && *at == '"') {
      const char* close = find(at + 1, '"');
      bytes = std::string_view(at + 1, static_cast<std::size_t>(close - at - 1));
      next = find(close, ',');
    } else {
      next = find(at, ',');
      // A blank after a lone lead byte decodes to itself, so trimming the
      // bytes trims the text.
      const char* last = next;
      while (last != at && last[-1] == ' ') --last;
      bytes = std::string_view(at, static_cast<std::size_t>(last - at));
    }
    if (item == index) return bytes;
    if (next == end) return std::string_view();
    at = next + 1;
  }
}

}  // namespace bc

// Layer texts that give a range, "from～to", are split at their first "～".
#ifndef BORINGCONV_SOIL_RANGE_SPLIT_H_
#define BORINGCONV_SOIL_RANGE_SPLIT_H_

#include <string>
#include <string_view>

namespace bc {

struct RangeParts {
  std::u16string first;   // the text before the first "～", or all of it
  std::u16string second;  // the text after it; empty without "～"
};

inline RangeParts SplitAtRange(std::u16string_view text) {
  std::size_t mark = text.find(u'～');
  if (mark == std::u16string_view::npos) return {std::u16string(text), {}};
  return {std::u16string(text.substr(0, mark)), std::u16string(text.substr(mark + 1))};
}

}  // namespace bc

#endif  // BORINGCONV_SOIL_RANGE_SPLIT_H_

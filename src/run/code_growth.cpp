#include "run/code_growth.h"

#include <algorithm>

#include "text/numeric.h"

namespace bc {

std::u16string CodeGrowth::Add(std::u16string_view item) {
  if (!next_) {
    double highest = store_.Table(table_).HighestCode();
    // Any code above 99 leaves the table as full as 99 does.
    next_ =
        highest > 0 ? static_cast<int>(std::min<double>(RoundHalfEven(highest), kHighestCode)) : 0;
    *next_ += 1;
  }
  if (*next_ > kHighestCode) {
    full_.CountName(store_.ShownName(table_));
    return std::u16string(kNoCode);
  }
  std::u16string code(2, form_ == Form::kZeroPadded ? u'0' : u' ');
  if (*next_ >= 10) code[0] = static_cast<char16_t>(u'0' + *next_ / 10);
  code[1] = static_cast<char16_t>(u'0' + *next_ % 10);
  store_.Append(table_, code + u"," + std::u16string(item));
  ++*next_;
  return code;
}

}  // namespace bc

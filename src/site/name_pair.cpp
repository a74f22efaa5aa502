#include "site/name_pair.h"

#include "text/str_form.h"
#include "text/width.h"

namespace bc {

NamePair SplitNamePair(std::u16string_view field) {
  std::u16string name = ToFullWidth(field);
  std::size_t tilde = name.find(u'～');
  if (tilde == std::u16string::npos) return {name, u""};
  return {name.substr(0, tilde), name.substr(tilde + 1)};
}

std::u16string NamePairLine(std::int16_t number, std::u16string_view depth, const NamePair& pair,
                            const NamePairCodes& codes) {
  return RightFit(StrInteger(number), 3) + u"," + RightFit(depth, 7) + u"," + codes.first + u"," +
         pair.first + u"," + codes.second + u"," + pair.second;
}

}  // namespace bc

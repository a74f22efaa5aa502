#include "site/sampler.h"

namespace bc {

Sampler SamplerFor(std::u16string_view letter) {
  if (letter == u"T") return {u"01", u"ｼﾝｳｫｰﾙ"};
  if (letter == u"D") return {u"02", u"ﾃﾞﾆｿﾝ"};
  if (letter == u"F") return {u"07", u"ﾌｫｲﾙ"};
  return {u"  ", u""};
}

}  // namespace bc

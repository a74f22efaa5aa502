// The name of a code-3070 record: one name, or a range of two names joined
// by "～", each with the code L19.TXT gives it.
#ifndef BORINGCONV_SITE_NAME_PAIR_H_
#define BORINGCONV_SITE_NAME_PAIR_H_

#include <cstdint>
#include <string>
#include <string_view>

namespace bc {

struct NamePair {
  std::u16string first;
  std::u16string second;  // empty when the name is not a range
};

// Codes of the two names: two spaces for a name without a code.
struct NamePairCodes {
  std::u16string first = u"  ";
  std::u16string second = u"  ";
};

// The name in full-width form, cut at its first "～".
NamePair SplitNamePair(std::u16string_view field);

// One line of R30.TXT: number, depth (right-fitted to 7), then each code
// with its name.
std::u16string NamePairLine(std::int16_t number, std::u16string_view depth, const NamePair& pair,
                            const NamePairCodes& codes);

}  // namespace bc

#endif  // BORINGCONV_SITE_NAME_PAIR_H_

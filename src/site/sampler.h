// The sampler of a sample record: a two-digit code and a half-width katakana
// name, chosen by the sampler letter.
#ifndef BORINGCONV_SITE_SAMPLER_H_
#define BORINGCONV_SITE_SAMPLER_H_

#include <string>
#include <string_view>

namespace bc {

struct Sampler {
  std::u16string code;  // always two characters
  std::u16string name;
};

// The letter is compared exactly: "t" is not "T". An unknown letter gives a
// code of two spaces and an empty name.
Sampler SamplerFor(std::u16string_view letter);

}  // namespace bc

#endif  // BORINGCONV_SITE_SAMPLER_H_

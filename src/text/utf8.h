// UTF-8 conversion for the terminal, host file names and test literals.
#ifndef BORINGCONV_TEXT_UTF8_H_
#define BORINGCONV_TEXT_UTF8_H_

#include <string>
#include <string_view>

namespace bc {

std::string ToUtf8(std::u16string_view text);

// Invalid UTF-8 becomes U+FFFD.
std::u16string FromUtf8(std::string_view bytes);

}  // namespace bc

#endif  // BORINGCONV_TEXT_UTF8_H_

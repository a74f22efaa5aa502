// The platform's own code page 932 converter, used only to build the tables
// of codepage.cpp: iconv on POSIX, MultiByteToWideChar on Windows.
#ifndef BORINGCONV_TEXT_CODEPAGE_PLATFORM_H_
#define BORINGCONV_TEXT_CODEPAGE_PLATFORM_H_

#include <cstddef>

namespace bc::internal {

// Decodes one code-page character of `size` bytes (1 or 2). Returns false
// when the platform rejects the sequence or yields anything but one character.
bool PlatformDecodeOne(const unsigned char* bytes, std::size_t size, char16_t* out);

}  // namespace bc::internal

#endif  // BORINGCONV_TEXT_CODEPAGE_PLATFORM_H_

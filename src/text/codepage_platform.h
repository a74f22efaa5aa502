// The platform's own code page 932 converter, used only to build the tables
// of codepage.cpp: iconv on POSIX, MultiByteToWideChar on Windows.
#ifndef BORINGCONV_TEXT_CODEPAGE_PLATFORM_H_
#define BORINGCONV_TEXT_CODEPAGE_PLATFORM_H_

#include <cstdint>
#include <vector>

namespace bc::internal {

// Decodes double-byte sequences, each given as lead << 8 | trail: one
// character each, 0 where the platform rejects the sequence or yields
// anything but one character.
std::vector<char16_t> PlatformDecodePairs(const std::vector<std::uint16_t>& pairs);

}  // namespace bc::internal

#endif  // BORINGCONV_TEXT_CODEPAGE_PLATFORM_H_

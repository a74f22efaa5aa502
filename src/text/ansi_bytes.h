// Lengths and cuts counted in code-page bytes: one for a half-width character,
// two for a full-width one. A cut through a double-byte character drops the
// byte left alone, so a result never holds half a character.
#ifndef BORINGCONV_TEXT_ANSI_BYTES_H_
#define BORINGCONV_TEXT_ANSI_BYTES_H_

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace bc {

// Byte length; texts beyond 32767 bytes are cut to that count.
std::int16_t AnsiByteLength(std::u16string_view text);

// Byte length without the 16-bit limit, for the writers' own measurements.
std::size_t AnsiSize(std::u16string_view text);

std::u16string AnsiLeftBytes(std::u16string_view text, std::size_t n);
std::u16string AnsiRightBytes(std::u16string_view text, std::size_t n);

// n bytes from the one-based byte position start; all bytes to the end when n
// is not given.
std::u16string AnsiMidBytes(std::u16string_view text, std::size_t start,
                            std::optional<std::size_t> n = std::nullopt);

}  // namespace bc

#endif  // BORINGCONV_TEXT_ANSI_BYTES_H_

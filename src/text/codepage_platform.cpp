#include "text/codepage_platform.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <iconv.h>

#include <cerrno>
#include <string>
#endif

namespace bc::internal {

#ifdef _WIN32

std::vector<char16_t> PlatformDecodePairs(const std::vector<std::uint16_t>& pairs) {
  std::vector<char16_t> chars(pairs.size(), u'\0');
  for (std::size_t i = 0; i < pairs.size(); ++i) {
    const char bytes[2] = {static_cast<char>(pairs[i] >> 8), static_cast<char>(pairs[i] & 0xFF)};
    wchar_t wide[4];
    if (MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, bytes, 2, wide, 4) == 1) {
      chars[i] = static_cast<char16_t>(wide[0]);
    }
  }
  return chars;
}

#else

namespace {

// One iconv call per run of sequences it accepts: a call per sequence made
// building the tables a third of a small run's time.
class Converter {
 public:
  Converter() : cd_(iconv_open("UTF-16LE", "CP932")) {}
  ~Converter() {
    if (ok()) iconv_close(cd_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

  // Decodes the pairs from `first` on until one is rejected or all are
  // done; returns the index of the first pair not decoded.
  std::size_t DecodeRun(const std::string& bytes, std::size_t first, char16_t* chars) {
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);  // reset the shift state
    // Room for two code units a pair, so that a pair giving more shows.
    if (result_.size() < bytes.size() * 2) result_.resize(bytes.size() * 2);
    char* in = const_cast<char*>(bytes.data()) + first * 2;
    char* out = reinterpret_cast<char*>(result_.data());
    std::size_t in_left = bytes.size() - first * 2;
    std::size_t out_left = in_left * 2;
    const std::size_t room = out_left;
    iconv(cd_, &in, &in_left, &out, &out_left);
    const std::size_t taken = bytes.size() - first * 2 - in_left;
    const std::size_t made = room - out_left;
    // Two bytes in and one code unit out for every pair, or nothing is known
    // of which pair made which unit: those are decoded one by one.
    if (taken != made || taken % 2 != 0) return DecodeEach(bytes, first, taken / 2, chars);
    for (std::size_t i = 0; i < taken / 2; ++i) {
      chars[first + i] = static_cast<char16_t>(result_[2 * i] | (result_[2 * i + 1] << 8));
    }
    return first + taken / 2;
  }

 private:
  std::size_t DecodeEach(const std::string& bytes, std::size_t first, std::size_t count,
                         char16_t* chars) {
    for (std::size_t i = first; i < first + count; ++i) {
      iconv(cd_, nullptr, nullptr, nullptr, nullptr);
      char* in = const_cast<char*>(bytes.data()) + i * 2;
      unsigned char result[8];
      char* out = reinterpret_cast<char*>(result);
      std::size_t in_left = 2;
      std::size_t out_left = sizeof(result);
      if (iconv(cd_, &in, &in_left, &out, &out_left) != static_cast<std::size_t>(-1) &&
          in_left == 0 && sizeof(result) - out_left == 2) {
        chars[i] = static_cast<char16_t>(result[0] | (result[1] << 8));
      }
    }
    return first + count;
  }

  iconv_t cd_;
  std::vector<unsigned char> result_;
};

}  // namespace

std::vector<char16_t> PlatformDecodePairs(const std::vector<std::uint16_t>& pairs) {
  std::vector<char16_t> chars(pairs.size(), u'\0');
  Converter converter;
  if (!converter.ok()) return chars;
  std::string bytes(pairs.size() * 2, '\0');
  for (std::size_t i = 0; i < pairs.size(); ++i) {
    bytes[2 * i] = static_cast<char>(pairs[i] >> 8);
    bytes[2 * i + 1] = static_cast<char>(pairs[i] & 0xFF);
  }
  // A rejected pair stops a call; it stays 0 and the next call starts after it.
  for (std::size_t at = 0; at < pairs.size();) {
    at = converter.DecodeRun(bytes, at, chars.data());
    if (at < pairs.size()) ++at;
  }
  return chars;
}

#endif

}  // namespace bc::internal

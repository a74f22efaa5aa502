#include "text/codepage_platform.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <iconv.h>

#include <cerrno>
#endif

namespace bc::internal {

#ifdef _WIN32

bool PlatformDecodeOne(const unsigned char* bytes, std::size_t size, char16_t* out) {
  wchar_t wide[4];
  int n = MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, reinterpret_cast<const char*>(bytes),
                              static_cast<int>(size), wide, 4);
  if (n != 1) return false;
  *out = static_cast<char16_t>(wide[0]);
  return true;
}

#else

namespace {

class Converter {
 public:
  Converter() : cd_(iconv_open("UTF-16LE", "CP932")) {}
  ~Converter() {
    if (ok()) iconv_close(cd_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

  bool DecodeOne(const unsigned char* bytes, std::size_t size, char16_t* out) {
    if (!ok()) return false;
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);  // reset the shift state
    char in[2] = {static_cast<char>(bytes[0]), size > 1 ? static_cast<char>(bytes[1]) : '\0'};
    unsigned char result[8];
    char* in_ptr = in;
    char* out_ptr = reinterpret_cast<char*>(result);
    std::size_t in_left = size;
    std::size_t out_left = sizeof(result);
    if (iconv(cd_, &in_ptr, &in_left, &out_ptr, &out_left) == static_cast<std::size_t>(-1)) {
      return false;
    }
    if (in_left != 0 || sizeof(result) - out_left != 2) return false;
    *out = static_cast<char16_t>(result[0] | (result[1] << 8));
    return true;
  }

 private:
  iconv_t cd_;
};

}  // namespace

bool PlatformDecodeOne(const unsigned char* bytes, std::size_t size, char16_t* out) {
  static Converter converter;
  return converter.DecodeOne(bytes, size, out);
}

#endif

}  // namespace bc::internal

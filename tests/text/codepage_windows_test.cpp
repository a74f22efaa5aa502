// The code page tables against the system's own converter, in both
// directions. Windows only.
#ifdef _WIN32
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "text/codepage.h"

namespace bc {
namespace {

TEST(CodepageWindowsTest, EveryDoubleByteCharacterDecodesAsWindowsDoes) {
  int checked = 0;
  for (int lead = 0x81; lead <= 0xFC; ++lead) {
    for (int trail = 0x40; trail <= 0xFC; ++trail) {
      char bytes[2] = {static_cast<char>(lead), static_cast<char>(trail)};
      wchar_t wide[4];
      int n = MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, bytes, 2, wide, 4);
      if (n != 1) continue;
      ASSERT_EQ(DecodeAnsi(std::string_view(bytes, 2)), std::u16string(1, wide[0]))
          << std::hex << lead << " " << trail;
      ++checked;
    }
  }
  EXPECT_GT(checked, 7000);
}

TEST(CodepageWindowsTest, EveryCharacterEncodesAsWindowsDoes) {
  for (int c = 1; c < 0x10000; ++c) {
    if (c >= 0xD800 && c <= 0xDFFF) continue;
    wchar_t wide = static_cast<wchar_t>(c);
    char bytes[4];
    BOOL defaulted = FALSE;
    int n = WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, &wide, 1, bytes, 4, "?", &defaulted);
    if (n <= 0 || defaulted) continue;  // Windows lacks it too
    ASSERT_EQ(EncodeAnsi(std::u16string(1, static_cast<char16_t>(c))), std::string(bytes, n))
        << std::hex << c;
  }
}

}  // namespace
}  // namespace bc
#endif  // _WIN32

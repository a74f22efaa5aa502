// UTF-16 text between the program's char16_t strings and the W calls, whose
// wchar_t is 16 bits wide on Windows.
#ifndef BORINGCONV_WIN32_WINDOW_WIDE_H_
#define BORINGCONV_WIN32_WINDOW_WIDE_H_

#include <windows.h>

#include <string>

namespace bc::win32 {

static_assert(sizeof(wchar_t) == sizeof(char16_t));

inline const wchar_t* W(const std::u16string& text) {
  return reinterpret_cast<const wchar_t*>(text.c_str());
}

inline std::u16string U(const wchar_t* text) {
  return std::u16string(reinterpret_cast<const char16_t*>(text));
}

inline std::u16string WindowText(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  int length = GetWindowTextW(window, text.data(), static_cast<int>(text.size()));
  return std::u16string(reinterpret_cast<const char16_t*>(text.data()),
                        static_cast<std::size_t>(length));
}

inline void SetText(HWND window, const std::u16string& text) { SetWindowTextW(window, W(text)); }

}  // namespace bc::win32

#endif  // BORINGCONV_WIN32_WINDOW_WIDE_H_

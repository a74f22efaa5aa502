#include "cli/terminal.h"

#include <iostream>
#include <string>

#include "text/utf8.h"

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace bc {

void WriteText(std::FILE* stream, std::u16string_view text) {
#ifdef _WIN32
  HANDLE handle = GetStdHandle(stream == stderr ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE);
  DWORD mode = 0;
  if (GetConsoleMode(handle, &mode)) {
    std::fflush(stream);
    DWORD written = 0;
    WriteConsoleW(handle, reinterpret_cast<const wchar_t*>(text.data()),
                  static_cast<DWORD>(text.size()), &written, nullptr);
    return;
  }
#endif
  std::string bytes = ToUtf8(text);
  std::fwrite(bytes.data(), 1, bytes.size(), stream);
  std::fflush(stream);
}

bool InputIsTerminal() {
#ifdef _WIN32
  return _isatty(_fileno(stdin)) != 0;
#else
  return isatty(STDIN_FILENO) != 0;
#endif
}

bool ReadAnswer(std::u16string* answer) {
  std::string line;
  if (!std::getline(std::cin, line)) return false;
  *answer = FromUtf8(line);
  return true;
}

}  // namespace bc

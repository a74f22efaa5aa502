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

bool WriteText(std::FILE* stream, std::u16string_view text) {
#ifdef _WIN32
  // The stream's own handle: a stream redirected to a file must get bytes,
  // not a write to whatever console the standard handles name.
  HANDLE handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stream)));
  DWORD mode = 0;
  if (GetConsoleMode(handle, &mode)) {
    std::fflush(stream);
    DWORD written = 0;
    return WriteConsoleW(handle, reinterpret_cast<const wchar_t*>(text.data()),
                         static_cast<DWORD>(text.size()), &written, nullptr) &&
           written == text.size();
  }
#endif
  std::string bytes = ToUtf8(text);
  bool written = std::fwrite(bytes.data(), 1, bytes.size(), stream) == bytes.size();
  return std::fflush(stream) == 0 && written && !std::ferror(stream);
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

#include "cli/terminal.h"

#include <cstdlib>
#include <iostream>

#include "text/codepage.h"
#include "text/utf8.h"

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#ifndef ENABLE_VIRTUAL_TERMINAL_PROCESSING
#define ENABLE_VIRTUAL_TERMINAL_PROCESSING 0x0004
#endif
#else
#include <unistd.h>
#endif

namespace bc {
namespace {

bool utf8_output = false;

#ifdef _WIN32
HANDLE StreamHandle(std::FILE* stream) {
  return reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stream)));
}

bool IsConsole(HANDLE handle) {
  DWORD mode = 0;
  return GetConsoleMode(handle, &mode) != 0;
}

// A line typed at the console, as the console's own wide characters: no code
// page stands between the keyboard (or the input method) and the text.
bool ReadConsoleLine(HANDLE handle, std::u16string* line) {
  line->clear();
  for (;;) {
    wchar_t c = 0;
    DWORD read = 0;
    if (!ReadConsoleW(handle, &c, 1, &read, nullptr) || read == 0) return !line->empty();
    if (c == L'\n') return true;
    line->push_back(static_cast<char16_t>(c));
  }
}
#endif

// Half-width and lower case: "Ｙｅｓ" reads as "yes".
char16_t Folded(char16_t c) {
  if (c >= u'\uFF01' && c <= u'\uFF5E') c = static_cast<char16_t>(c - 0xFEE0);
  return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + 32) : c;
}

bool IsAnswerBlank(char16_t c) { return c == u' ' || c == u'\t' || c == u'\r' || c == u'\u3000'; }

}  // namespace

bool SetUtf8Output(bool utf8) {
  bool old = utf8_output;
  utf8_output = utf8;
  return old;
}

unsigned OutputCodePage() {
#ifdef _WIN32
  if (utf8_output) return kUtf8CodePage;
  UINT console = GetConsoleOutputCP();
  return console != 0 ? console : GetACP();
#else
  return kUtf8CodePage;
#endif
}

unsigned InputCodePage() {
#ifdef _WIN32
  if (utf8_output) return kUtf8CodePage;
  UINT console = GetConsoleCP();
  return console != 0 ? console : GetACP();
#else
  return kUtf8CodePage;
#endif
}

std::string EncodeInCodePage(std::u16string_view text, unsigned code_page) {
  if (code_page == 932) return EncodeAnsi(text);
#ifdef _WIN32
  if (code_page != kUtf8CodePage && !text.empty()) {
    auto wide = reinterpret_cast<const wchar_t*>(text.data());
    int size = static_cast<int>(text.size());
    int n = WideCharToMultiByte(code_page, 0, wide, size, nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(n), '\0');
    if (n > 0 && WideCharToMultiByte(code_page, 0, wide, size, bytes.data(), n, nullptr, nullptr))
      return bytes;
  }
#endif
  return ToUtf8(text);
}

std::u16string DecodeFromCodePage(std::string_view bytes, unsigned code_page) {
  if (code_page == 932) return DecodeAnsi(bytes);
#ifdef _WIN32
  if (code_page != kUtf8CodePage && !bytes.empty()) {
    int size = static_cast<int>(bytes.size());
    int n = MultiByteToWideChar(code_page, 0, bytes.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(n), L'\0');
    if (n > 0 && MultiByteToWideChar(code_page, 0, bytes.data(), size, wide.data(), n))
      return std::u16string(wide.begin(), wide.end());
  }
#endif
  return FromUtf8(bytes);
}

bool WriteText(std::FILE* stream, std::u16string_view text) {
#ifdef _WIN32
  // The stream's own handle: a stream redirected to a file must get bytes,
  // not a write to whatever console the standard handles name.
  HANDLE handle = StreamHandle(stream);
  if (IsConsole(handle)) {
    std::fflush(stream);
    DWORD written = 0;
    return WriteConsoleW(handle, reinterpret_cast<const wchar_t*>(text.data()),
                         static_cast<DWORD>(text.size()), &written, nullptr) &&
           written == text.size();
  }
#endif
  std::string bytes = EncodeInCodePage(text, OutputCodePage());
  bool written = std::fwrite(bytes.data(), 1, bytes.size(), stream) == bytes.size();
  return std::fflush(stream) == 0 && written && !std::ferror(stream);
}

bool IsTerminal(std::FILE* stream) {
#ifdef _WIN32
  return IsConsole(StreamHandle(stream));
#else
  return isatty(fileno(stream)) != 0;
#endif
}

bool InputIsTerminal() { return IsTerminal(stdin); }

bool ReadAnswer(std::u16string* answer) {
#ifdef _WIN32
  HANDLE handle = StreamHandle(stdin);
  if (IsConsole(handle)) return ReadConsoleLine(handle, answer);
#endif
  std::string line;
  if (!std::getline(std::cin, line)) return false;
  *answer = DecodeFromCodePage(line, InputCodePage());
  return true;
}

bool IsYesAnswer(std::u16string_view answer) {
  std::size_t first = 0;
  std::size_t end = answer.size();
  while (first < end && IsAnswerBlank(answer[first])) ++first;
  while (end > first && IsAnswerBlank(answer[end - 1])) --end;
  std::u16string word;
  for (std::size_t i = first; i < end; ++i) word.push_back(Folded(answer[i]));
  return word == u"y" || word == u"yes" || word == u"はい";
}

EscapeSequences::EscapeSequences(std::FILE* stream) {
#ifdef _WIN32
  HANDLE handle = StreamHandle(stream);
  DWORD mode = 0;
  if (!GetConsoleMode(handle, &mode)) return;
  if (mode & ENABLE_VIRTUAL_TERMINAL_PROCESSING) {
    enabled_ = true;
    return;
  }
  // Consoles before Windows 10 refuse the flag; the caller writes plain lines then.
  if (!SetConsoleMode(handle, mode | ENABLE_VIRTUAL_TERMINAL_PROCESSING)) return;
  console_ = handle;
  old_mode_ = mode;
  enabled_ = true;
#else
  const char* term = std::getenv("TERM");
  enabled_ = isatty(fileno(stream)) != 0 && (term == nullptr || std::string_view(term) != "dumb");
#endif
}

EscapeSequences::~EscapeSequences() {
#ifdef _WIN32
  if (console_ != nullptr) SetConsoleMode(static_cast<HANDLE>(console_), old_mode_);
#endif
}

}  // namespace bc

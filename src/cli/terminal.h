// Text to and from the terminal in its own encoding. On POSIX that is UTF-8.
// On Windows a console takes wide characters; a file or a pipe gets bytes in
// the console's code page (932 on Japanese Windows; the ANSI code page when
// the program has no console), as `type` and other programs read them back,
// or UTF-8 when asked for.
#ifndef BORINGCONV_CLI_TERMINAL_H_
#define BORINGCONV_CLI_TERMINAL_H_

#include <cstdio>
#include <string>
#include <string_view>

namespace bc {

inline constexpr unsigned kUtf8CodePage = 65001;

// Writes text and flushes; false when any of it did not reach the stream
// (a full disk or a closed pipe behind standard output).
bool WriteText(std::FILE* stream, std::u16string_view text);

// --utf8: text to files and pipes in UTF-8 whatever the console's code page.
// Returns the previous setting.
bool SetUtf8Output(bool utf8);

// The code pages of text written to a file or a pipe, and of answers read
// from anything but a console (kUtf8CodePage on POSIX and after --utf8).
unsigned OutputCodePage();
unsigned InputCodePage();

// Text in a code page and back. UTF-8 and 932 on every system, any code page
// the system knows on Windows; a character the code page lacks becomes "?".
std::string EncodeInCodePage(std::u16string_view text, unsigned code_page);
std::u16string DecodeFromCodePage(std::string_view bytes, unsigned code_page);

// True when the stream is an interactive terminal (on Windows a console, not
// the NUL device).
bool IsTerminal(std::FILE* stream);
bool InputIsTerminal();

// Reads one answer line from standard input; false at its end.
bool ReadAnswer(std::u16string* answer);

// True for an answer that means yes: y, yes, はい, in either width and any
// letter case, blanks around it ignored. Anything else is no.
bool IsYesAnswer(std::u16string_view answer);

// Asks the console behind a stream to interpret escape sequences (colours,
// clearing a line) while this lives, and puts its mode back after. enabled()
// is false where the console refuses, or the stream is no terminal.
class EscapeSequences {
 public:
  explicit EscapeSequences(std::FILE* stream);
  ~EscapeSequences();
  EscapeSequences(const EscapeSequences&) = delete;
  EscapeSequences& operator=(const EscapeSequences&) = delete;

  bool enabled() const { return enabled_; }

 private:
  void* console_ = nullptr;  // Windows: the console handle whose mode changed
  unsigned long old_mode_ = 0;
  bool enabled_ = false;
};

}  // namespace bc

#endif  // BORINGCONV_CLI_TERMINAL_H_

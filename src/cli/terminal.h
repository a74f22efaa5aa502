// Text to and from the terminal in its own encoding: UTF-8 on POSIX, the
// console's wide characters on Windows.
#ifndef BORINGCONV_CLI_TERMINAL_H_
#define BORINGCONV_CLI_TERMINAL_H_

#include <cstdio>
#include <string_view>

namespace bc {

// Writes text and flushes; false when any of it did not reach the stream
// (a full disk or a closed pipe behind standard output).
bool WriteText(std::FILE* stream, std::u16string_view text);

// True when standard input is an interactive terminal.
bool InputIsTerminal();

// Reads one answer line from standard input; false at its end.
bool ReadAnswer(std::u16string* answer);

}  // namespace bc

#endif  // BORINGCONV_CLI_TERMINAL_H_

#include <string>
#include <vector>

#include "cli/command_line.h"
#include "text/utf8.h"

#ifdef _WIN32
int wmain(int argc, wchar_t** argv) {
  std::vector<std::u16string> args;
  for (int i = 1; i < argc; ++i) {
    std::wstring arg(argv[i]);
    args.emplace_back(arg.begin(), arg.end());
  }
  return bc::RunCommandLine(args);
}
#else
int main(int argc, char** argv) {
  std::vector<std::u16string> args;
  for (int i = 1; i < argc; ++i) args.push_back(bc::FromUtf8(argv[i]));
  return bc::RunCommandLine(args);
}
#endif

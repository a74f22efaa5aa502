// Runs a program once per source file, one process after another, as a
// script converting borings one by one would, without a shell's own cost:
// PROGRAM ARG... SOURCE OUT/<name of SOURCE without extension>.
//
//   bench_run_each OUT PROGRAM [ARG...] -- SOURCE...
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace {

// Runs argv to its end; false when it could not start or did not exit 0.
bool Run(std::vector<std::string>& args) {
  std::vector<char*> argv;
  for (std::string& arg : args) argv.push_back(arg.data());
  argv.push_back(nullptr);
  pid_t child = fork();
  if (child < 0) return false;
  if (child == 0) {
    execv(argv[0], argv.data());
    _exit(127);
  }
  int status = 0;
  return waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> command;
  int i = 2;
  for (; i < argc && std::string(argv[i]) != "--"; ++i) command.push_back(argv[i]);
  if (argc < 3 || i >= argc || command.empty()) {
    std::fprintf(stderr, "usage: bench_run_each OUT PROGRAM [ARG...] -- SOURCE...\n");
    return 2;
  }
  const std::filesystem::path out = argv[1];
  int failed = 0;
  for (++i; i < argc; ++i) {
    std::vector<std::string> args = command;
    args.push_back(argv[i]);
    args.push_back((out / std::filesystem::path(argv[i]).stem()).string());
    if (!Run(args)) ++failed;
  }
  if (failed != 0) std::fprintf(stderr, "%d runs failed\n", failed);
  return failed == 0 ? 0 : 1;
}

// A program started as a child process that a test can wait for or kill.
#ifndef BORINGCONV_TESTS_E2E_CHILD_PROCESS_H_
#define BORINGCONV_TESTS_E2E_CHILD_PROCESS_H_

#include <sys/types.h>

#include <filesystem>
#include <string>
#include <vector>

namespace bc::testing {

class ChildProcess {
 public:
  // Starts argv[0] with standard output and error going to log and
  // XDG_CONFIG_HOME set to config, so that runs keep their settings apart.
  ChildProcess(const std::vector<std::string>& argv, const std::filesystem::path& log,
               const std::filesystem::path& config);
  ~ChildProcess();  // kills and reaps a child not waited for
  ChildProcess(ChildProcess&& other) noexcept : pid_(other.pid_) { other.pid_ = -1; }
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  void Kill();
  // The exit code, or 128 + the signal that ended the process.
  int Wait();

 private:
  pid_t pid_ = -1;
};

}  // namespace bc::testing

#endif  // BORINGCONV_TESTS_E2E_CHILD_PROCESS_H_

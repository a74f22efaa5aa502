// An environment variable set for the life of a test, then put back.
#ifndef BORINGCONV_TESTS_SUPPORT_SCOPED_VARIABLE_H_
#define BORINGCONV_TESTS_SUPPORT_SCOPED_VARIABLE_H_

#ifndef _WIN32
#include <cstdlib>
#include <optional>
#include <string>

namespace bc::testing {

class ScopedVariable {
 public:
  ScopedVariable(const char* name, const std::string& value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    setenv(name, value.c_str(), 1);
  }
  ~ScopedVariable() {
    if (old_) {
      setenv(name_, old_->c_str(), 1);
    } else {
      unsetenv(name_);
    }
  }
  ScopedVariable(const ScopedVariable&) = delete;
  ScopedVariable& operator=(const ScopedVariable&) = delete;

 private:
  const char* name_;
  std::optional<std::string> old_;
};

}  // namespace bc::testing

#endif  // _WIN32
#endif  // BORINGCONV_TESTS_SUPPORT_SCOPED_VARIABLE_H_

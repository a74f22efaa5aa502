// An environment variable set for the life of a test, then put back.
#ifndef BORINGCONV_TESTS_SUPPORT_SCOPED_VARIABLE_H_
#define BORINGCONV_TESTS_SUPPORT_SCOPED_VARIABLE_H_

#include <cstdlib>
#include <optional>
#include <string>

namespace bc::testing {

class ScopedVariable {
 public:
  ScopedVariable(const char* name, const std::string& value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    Set(value.c_str());
  }
  ~ScopedVariable() { Set(old_ ? old_->c_str() : nullptr); }
  ScopedVariable(const ScopedVariable&) = delete;
  ScopedVariable& operator=(const ScopedVariable&) = delete;

 private:
  void Set(const char* value) {
#ifdef _WIN32
    _putenv_s(name_, value != nullptr ? value : "");  // "" removes it
#else
    if (value != nullptr) {
      setenv(name_, value, 1);
    } else {
      unsetenv(name_);
    }
#endif
  }

  const char* name_;
  std::optional<std::string> old_;
};

// The variable that names the parent of the user's settings folder.
#ifdef _WIN32
inline constexpr char kUserConfigVariable[] = "APPDATA";
#else
inline constexpr char kUserConfigVariable[] = "XDG_CONFIG_HOME";
#endif

}  // namespace bc::testing

#endif  // BORINGCONV_TESTS_SUPPORT_SCOPED_VARIABLE_H_

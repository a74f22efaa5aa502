// An environment variable set for the life of a test, then put back.
#ifndef BORINGCONV_TESTS_SUPPORT_SCOPED_VARIABLE_H_
#define BORINGCONV_TESTS_SUPPORT_SCOPED_VARIABLE_H_

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

namespace bc::testing {

class ScopedVariable {
 public:
  ScopedVariable(const char* name, const std::string& value) : name_(name) {
#ifdef _WIN32
    // The wide environment, which the program reads (_wgetenv).
    if (const wchar_t* old = _wgetenv(Wide(name_).c_str())) old_ = old;
    _wputenv_s(Wide(name_).c_str(), Wide(value).c_str());
#else
    if (const char* old = std::getenv(name)) old_ = old;
    setenv(name, value.c_str(), 1);
#endif
  }
  ~ScopedVariable() {
#ifdef _WIN32
    _wputenv_s(Wide(name_).c_str(), old_ ? old_->c_str() : L"");  // "" removes it
#else
    if (old_) {
      setenv(name_, old_->c_str(), 1);
    } else {
      unsetenv(name_);
    }
#endif
  }
  ScopedVariable(const ScopedVariable&) = delete;
  ScopedVariable& operator=(const ScopedVariable&) = delete;

 private:
#ifdef _WIN32
  static std::wstring Wide(const std::string& text) {
    return std::filesystem::path(text).wstring();
  }
  std::optional<std::wstring> old_;
#else
  std::optional<std::string> old_;
#endif
  const char* name_;
};

// The variable that names the parent of the user's settings folder.
#ifdef _WIN32
inline constexpr char kUserConfigVariable[] = "APPDATA";
#else
inline constexpr char kUserConfigVariable[] = "XDG_CONFIG_HOME";
#endif

}  // namespace bc::testing

#endif  // BORINGCONV_TESTS_SUPPORT_SCOPED_VARIABLE_H_

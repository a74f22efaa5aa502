#include "picture/fresh_output.h"

#include <system_error>

namespace bc {

FreshOutput::FreshOutput(std::filesystem::path file)
    : file_(std::move(file)), start_(std::filesystem::file_time_type::clock::now()) {
  std::error_code ec;
  if (file_.empty() || !std::filesystem::is_regular_file(file_, ec)) return;
  before_ = std::filesystem::last_write_time(file_, ec);
  existed_ = !ec;
}

bool FreshOutput::Written() const {
  std::error_code ec;
  if (file_.empty() || !std::filesystem::is_regular_file(file_, ec)) return false;
  std::filesystem::file_time_type now = std::filesystem::last_write_time(file_, ec);
  if (ec) return false;
  // A coarse file-system clock can give a rewritten file its old time; a
  // time at or after the run's start then still counts.
  return !existed_ || now != before_ || now >= start_;
}

}  // namespace bc

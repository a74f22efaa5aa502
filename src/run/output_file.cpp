#include "run/output_file.h"

#include "run/run_error.h"
#include "text/codepage.h"

namespace bc {

OutputFile::OutputFile(const std::filesystem::path& host, std::u16string shown_name)
    : out_(host, std::ios::binary | std::ios::trunc), shown_name_(std::move(shown_name)) {
  if (!out_) throw RunError(CannotOpenMessage(shown_name_));
}

OutputFile::~OutputFile() = default;

void OutputFile::WriteLine(std::u16string_view line) {
  std::string bytes = EncodeAnsi(line);
  bytes += "\r\n";
  out_.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out_) throw RunError(CannotWriteMessage(shown_name_));
}

void OutputFile::Close() {
  if (!out_.is_open()) return;
  out_.flush();
  bool ok = static_cast<bool>(out_);
  out_.close();
  if (!ok || out_.fail()) throw RunError(CannotWriteMessage(shown_name_));
}

}  // namespace bc

#include "run/output_file.h"

#include "run/run_error.h"
#include "text/codepage.h"

namespace bc {

OutputFile::OutputFile(FileSystem& fs, const std::filesystem::path& host, std::u16string shown_name)
    : shown_name_(std::move(shown_name)) {
  switch (fs.OpenWritable(host, WriteMode::kReplace, &file_)) {
    case OpenStatus::kOk:
      return;
    case OpenStatus::kSymlink:
      throw RunError(SymlinkOutputMessage(shown_name_));
    case OpenStatus::kFailed:
      break;
  }
  throw RunError(CannotOpenMessage(shown_name_, LastFileError(), FileAccess::kWrite));
}

OutputFile::OutputFile(const std::filesystem::path& host, std::u16string shown_name)
    : OutputFile(FileSystem::Default(), host, std::move(shown_name)) {}

OutputFile::~OutputFile() = default;

void OutputFile::WriteLine(std::u16string_view line) {
  line_bytes_.clear();
  AppendAnsi(line, &line_bytes_);
  WriteLineBytes();
}

void OutputFile::WriteLine(std::initializer_list<std::u16string_view> pieces) {
  line_bytes_.clear();
  for (std::u16string_view piece : pieces) AppendAnsi(piece, &line_bytes_);
  WriteLineBytes();
}

void OutputFile::WriteLineBytes() {
  line_bytes_ += "\r\n";
  if (!file_ || !file_->Write(line_bytes_)) {
    throw RunError(CannotWriteMessage(shown_name_, file_ ? LastFileError() : FileError::kNone));
  }
}

void OutputFile::Close() {
  if (!file_) return;
  std::unique_ptr<WritableFile> file = std::move(file_);
  if (!file->Close()) throw RunError(CannotWriteMessage(shown_name_, LastFileError()));
}

}  // namespace bc

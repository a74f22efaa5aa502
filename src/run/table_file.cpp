#include "run/table_file.h"

#include "run/run_error.h"
#include "text/codepage.h"

namespace bc {
namespace {

std::string EncodeLines(const std::vector<std::u16string>& lines) {
  std::string bytes;
  for (const std::u16string& line : lines) {
    bytes += EncodeAnsi(line);
    bytes += "\r\n";
  }
  return bytes;
}

// Writes bytes to the file; false on any failure,
// a short write included.
bool WriteWhole(FileSystem& fs, const std::filesystem::path& host, WriteMode mode,
                std::string_view bytes, bool sync) {
  std::unique_ptr<WritableFile> file;
  if (fs.OpenWritable(host, mode, &file) != OpenStatus::kOk) return false;
  bool ok = file->Write(bytes) && (!sync || file->Sync());
  return file->Close() && ok;
}

}  // namespace

TableTail TailOf(std::string_view bytes) {
  return {bytes.size(), bytes.empty() ? '\0' : bytes.back()};
}

std::string ReadTableBytes(FileSystem& fs, const std::filesystem::path& host,
                           std::u16string_view shown_name) {
  std::string bytes;
  // Room for the lines a run appends, so that they never move the table.
  if (std::optional<std::uint64_t> size = fs.FileSize(host)) {
    bytes.reserve(static_cast<std::size_t>(*size + *size / 8 + 512));
  }
  switch (fs.ReadFile(host, &bytes)) {
    case ReadStatus::kOk:
      return bytes;
    case ReadStatus::kCannotOpen:
      throw RunError(CannotOpenMessage(shown_name));
    case ReadStatus::kReadError:
      break;
  }
  throw RunError(CannotReadMessage(shown_name));
}

std::string AppendTableLine(FileSystem& fs, const std::filesystem::path& host,
                            std::u16string_view shown_name, std::u16string_view line,
                            TableTail* tail) {
  std::string bytes = EncodeAnsi(line);
  bytes += "\r\n";
  AppendTableBytes(fs, host, shown_name, bytes, tail);
  return bytes;
}

std::string AppendTableBytes(FileSystem& fs, const std::filesystem::path& host,
                             std::u16string_view shown_name, std::string_view bytes,
                             TableTail* tail) {
  std::optional<std::uint64_t> size = fs.FileSize(host);
  if (!size) throw RunError(CannotOpenMessage(shown_name));
  TableTail end =
      tail && tail->size == *size ? *tail : TailOf(ReadTableBytes(fs, host, shown_name));
  std::string line_end;
  if (end.last != '\0' && end.last != '\n' && end.last != '\r') line_end = "\r\n";
  if (!WriteWhole(fs, host, WriteMode::kAppend, line_end + std::string(bytes), false)) {
    // No torn line may stay: the next run would read it as a real entry.
    fs.Truncate(host, end.size);
    throw RunError(CannotWriteMessage(shown_name));
  }
  if (tail)
    *tail = {end.size + line_end.size() + bytes.size(), bytes.empty() ? end.last : bytes.back()};
  return line_end;
}

std::string ReplaceTableLines(FileSystem& fs, const std::filesystem::path& host,
                              const std::filesystem::path& scratch, std::u16string_view shown_name,
                              const std::vector<std::u16string>& lines) {
  std::string bytes = EncodeLines(lines);
  ReplaceTableBytes(fs, host, scratch, shown_name, bytes);
  return bytes;
}

void ReplaceTableBytes(FileSystem& fs, const std::filesystem::path& host,
                       const std::filesystem::path& scratch, std::u16string_view shown_name,
                       std::string_view bytes) {
  if (!WriteWhole(fs, scratch, WriteMode::kReplace, bytes, true) || !fs.Rename(scratch, host)) {
    fs.Remove(scratch);
    throw RunError(CannotWriteMessage(shown_name));
  }
}

}  // namespace bc

#include "run/table_file.h"

#include <atomic>
#include <chrono>
#include <random>

#include "run/run_error.h"
#include "text/codepage.h"

namespace bc {
namespace {

std::string EncodeLines(const std::vector<std::u16string>& lines, std::u16string_view shown_name) {
  std::string bytes;
  for (const std::u16string& line : lines) {
    bytes += EncodeExactly(line, shown_name);
    bytes += "\r\n";
  }
  return bytes;
}

// Writes bytes to the file; false on any failure, a short write included.
// A link at the name stops the run: nothing is written through it.
bool WriteWhole(FileSystem& fs, const std::filesystem::path& host, WriteMode mode,
                std::string_view bytes, bool sync, std::u16string_view shown_name) {
  std::unique_ptr<WritableFile> file;
  OpenStatus status = fs.OpenWritable(host, mode, &file);
  if (status == OpenStatus::kSymlink) throw RunError(SymlinkFileMessage(shown_name));
  if (status != OpenStatus::kOk) return false;
  bool ok = file->Write(bytes) && (!sync || file->Sync());
  return file->Close() && ok;
}

}  // namespace

// A table is never written from a lossy conversion: a "?" in place of a
// name would take that name's code for good.
std::string EncodeExactly(std::u16string_view text, std::u16string_view shown_name) {
  if (!IsAnsiEncodable(text)) throw RunError(UnencodableMessage(shown_name));
  return EncodeAnsi(text);
}

std::filesystem::path ScratchPath(const std::filesystem::path& host) {
  static std::atomic<unsigned> counter{0};
  static const std::uint64_t tag = [] {
    std::random_device device;
    return (std::uint64_t{device()} << 32) ^ device() ^
           static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
  }();
  std::filesystem::path name = host.filename();
  name += "." + std::to_string(tag) + "." + std::to_string(counter++) + ".tmp";
  return host.parent_path() / name;
}

void ReplaceFileBytes(FileSystem& fs, const std::filesystem::path& host,
                      std::u16string_view shown_name, std::string_view bytes) {
  if (fs.IsSymlink(host)) throw RunError(SymlinkFileMessage(shown_name));
  std::filesystem::path scratch = ScratchPath(host);
  bool ok = false;
  try {
    ok = WriteWhole(fs, scratch, WriteMode::kReplace, bytes, true, shown_name) &&
         fs.Rename(scratch, host);
  } catch (const RunError&) {
    fs.Remove(scratch);
    throw;
  }
  if (!ok) {
    FileError why = LastFileError();
    fs.Remove(scratch);
    throw RunError(CannotWriteMessage(shown_name, why));
  }
}

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
      throw RunError(CannotOpenMessage(shown_name, LastFileError()));
    case ReadStatus::kReadError:
    case ReadStatus::kTooLarge:
      break;
  }
  throw RunError(CannotReadMessage(shown_name, LastFileError()));
}

std::string AppendTableLine(FileSystem& fs, const std::filesystem::path& host,
                            std::u16string_view shown_name, std::u16string_view line,
                            TableTail* tail) {
  std::string bytes = EncodeExactly(line, shown_name);
  bytes += "\r\n";
  AppendTableBytes(fs, host, shown_name, bytes, tail);
  return bytes;
}

std::string AppendTableBytes(FileSystem& fs, const std::filesystem::path& host,
                             std::u16string_view shown_name, std::string_view bytes,
                             TableTail* tail) {
  std::optional<std::uint64_t> size = fs.FileSize(host);
  if (!size) throw RunError(CannotOpenMessage(shown_name, LastFileError()));
  TableTail end =
      tail && tail->size == *size ? *tail : TailOf(ReadTableBytes(fs, host, shown_name));
  std::string line_end;
  if (end.last != '\0' && end.last != '\n' && end.last != '\r') line_end = "\r\n";
  if (!WriteWhole(fs, host, WriteMode::kAppend, line_end + std::string(bytes), false, shown_name)) {
    FileError why = LastFileError();
    // No torn line may stay: the next run would read it as a real entry.
    fs.Truncate(host, end.size);
    throw RunError(CannotWriteMessage(shown_name, why));
  }
  if (tail)
    *tail = {end.size + line_end.size() + bytes.size(), bytes.empty() ? end.last : bytes.back()};
  return line_end;
}

std::string ReplaceTableLines(FileSystem& fs, const std::filesystem::path& host,
                              std::u16string_view shown_name,
                              const std::vector<std::u16string>& lines) {
  std::string bytes = EncodeLines(lines, shown_name);
  ReplaceFileBytes(fs, host, shown_name, bytes);
  return bytes;
}

}  // namespace bc

#include "run/table_file.h"

#include "run/run_error.h"
#include "text/codepage.h"
#include "text/free_format.h"
#include "text/line_reader.h"
#include "text/trim.h"

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

void ForEachTableLine(std::string_view bytes,
                      const std::function<void(std::u16string_view line)>& take) {
  LineReader reader;
  reader.OpenBytes(std::string(bytes));
  while (!reader.AtEnd()) {
    // Unlike the source file, a table may have been saved with bare LF line
    // ends; read as one line, its entries would run together.
    std::u16string line = reader.ReadLine();
    std::u16string_view rest = line;
    std::size_t start = 0;
    for (std::size_t lf = rest.find(u'\n'); lf != std::u16string_view::npos;
         lf = rest.find(u'\n', start)) {
      take(rest.substr(start, lf - start));
      start = lf + 1;
    }
    if (start == 0 || start < rest.size()) take(rest.substr(start));
  }
}

std::vector<std::u16string> SplitTableLines(std::string_view bytes) {
  std::vector<std::u16string> lines;
  ForEachTableLine(bytes, [&lines](std::u16string_view line) { lines.emplace_back(line); });
  return lines;
}

std::vector<std::u16string> ReadTableLines(const std::filesystem::path& host,
                                           std::u16string_view shown_name) {
  return SplitTableLines(ReadTableBytes(FileSystem::Default(), host, shown_name));
}

std::vector<std::vector<std::u16string>> ReadTableEntries(const std::filesystem::path& host,
                                                          std::u16string_view shown_name) {
  std::vector<std::vector<std::u16string>> entries;
  for (const std::u16string& line : ReadTableLines(host, shown_name)) {
    if (!IsBlankText(line)) entries.push_back(ReadFreeFormatItems(line));
  }
  return entries;
}

std::string AppendTableLine(FileSystem& fs, const std::filesystem::path& host,
                            std::u16string_view shown_name, std::u16string_view line,
                            TableTail* tail) {
  std::optional<std::uint64_t> size = fs.FileSize(host);
  if (!size) throw RunError(CannotOpenMessage(shown_name));
  TableTail end =
      tail && tail->size == *size ? *tail : TailOf(ReadTableBytes(fs, host, shown_name));
  std::string line_end;
  if (end.last != '\0' && end.last != '\n' && end.last != '\r') line_end = "\r\n";
  std::string bytes = EncodeAnsi(line);
  bytes += "\r\n";
  if (!WriteWhole(fs, host, WriteMode::kAppend, line_end + bytes, false)) {
    // No torn line may stay: the next run would read it as a real entry.
    fs.Truncate(host, end.size);
    throw RunError(CannotWriteMessage(shown_name));
  }
  if (tail) *tail = {end.size + line_end.size() + bytes.size(), '\n'};
  return bytes;
}

void AppendTableLine(const std::filesystem::path& host, std::u16string_view shown_name,
                     std::u16string_view line) {
  AppendTableLine(FileSystem::Default(), host, shown_name, line, nullptr);
}

std::string ReplaceTableLines(FileSystem& fs, const std::filesystem::path& host,
                              const std::filesystem::path& scratch, std::u16string_view shown_name,
                              const std::vector<std::u16string>& lines) {
  std::string bytes = EncodeLines(lines);
  if (!WriteWhole(fs, scratch, WriteMode::kReplace, bytes, true) || !fs.Rename(scratch, host)) {
    fs.Remove(scratch);
    throw RunError(CannotWriteMessage(shown_name));
  }
  return bytes;
}

void ReplaceTableLines(const std::filesystem::path& host, const std::filesystem::path& scratch,
                       std::u16string_view shown_name, const std::vector<std::u16string>& lines) {
  ReplaceTableLines(FileSystem::Default(), host, scratch, shown_name, lines);
}

}  // namespace bc

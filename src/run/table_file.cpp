#include "run/table_file.h"

#include <fstream>
#include <system_error>

#include "run/output_file.h"
#include "run/run_error.h"
#include "text/codepage.h"
#include "text/free_format.h"
#include "text/line_reader.h"
#include "text/trim.h"

namespace bc {
namespace {

// The file's last byte, 0 for an empty file. False when it cannot be read.
bool ReadLastByte(const std::filesystem::path& host, char* last) {
  std::ifstream in(host, std::ios::binary | std::ios::ate);
  if (!in) return false;
  *last = '\0';
  if (in.tellg() > 0 && !in.seekg(-1, std::ios::end).get(*last)) return false;
  return true;
}

}  // namespace

std::vector<std::u16string> ReadTableLines(const std::filesystem::path& host,
                                           std::u16string_view shown_name) {
  LineReader reader;
  std::error_code ec;
  if (!std::filesystem::is_regular_file(host, ec) || !reader.Open(host)) {
    throw RunError(CannotOpenMessage(shown_name));
  }
  // Unlike the source file, a table may have been saved with bare LF line
  // ends; read as one line, its entries would run together.
  return ReadLinesAnyEnd(reader);
}

std::vector<std::vector<std::u16string>> ReadTableEntries(const std::filesystem::path& host,
                                                          std::u16string_view shown_name) {
  std::vector<std::vector<std::u16string>> entries;
  for (const std::u16string& line : ReadTableLines(host, shown_name)) {
    if (!IsBlankText(line)) entries.push_back(ReadFreeFormatItems(line));
  }
  return entries;
}

void AppendTableLine(const std::filesystem::path& host, std::u16string_view shown_name,
                     std::u16string_view line) {
  char last = '\0';
  std::error_code ec;
  if (!std::filesystem::is_regular_file(host, ec) || !ReadLastByte(host, &last)) {
    throw RunError(CannotOpenMessage(shown_name));
  }
  std::string out;
  if (last != '\0' && last != '\n' && last != '\r') out = "\r\n";
  out += EncodeAnsi(line);
  out += "\r\n";
  std::ofstream file(host, std::ios::binary | std::ios::app);
  file.write(out.data(), static_cast<std::streamsize>(out.size()));
  file.close();
  if (!file) throw RunError(CannotWriteMessage(shown_name));
}

void ReplaceTableLines(const std::filesystem::path& host, const std::filesystem::path& scratch,
                       std::u16string_view shown_name, const std::vector<std::u16string>& lines) {
  {
    OutputFile out(scratch, std::u16string(shown_name));
    for (const std::u16string& line : lines) out.WriteLine(line);
    out.Close();
  }
  std::error_code ec;
  std::filesystem::rename(scratch, host, ec);  // replaces the old table in one step
  if (ec) throw RunError(CannotWriteMessage(shown_name));
}

}  // namespace bc

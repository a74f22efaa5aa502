#include "text/line_reader.h"

#include <fstream>
#include <iterator>

#include "text/codepage.h"

namespace bc {

bool LineReader::Open(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) return false;
  OpenBytes(std::move(bytes));
  return true;
}

void LineReader::OpenBytes(std::string bytes) {
  bytes_ = std::move(bytes);
  position_ = 0;
  line_number_ = 0;
}

std::u16string LineReader::ReadLine() {
  std::size_t end = bytes_.find('\r', position_);
  if (end == std::string::npos) end = bytes_.size();
  std::u16string line = DecodeAnsi(std::string_view(bytes_).substr(position_, end - position_));
  position_ = end;
  if (position_ < bytes_.size()) {  // skip the CR, and the LF after it
    ++position_;
    if (position_ < bytes_.size() && bytes_[position_] == '\n') ++position_;
  }
  ++line_number_;
  return line;
}

std::vector<std::u16string> ReadLinesAnyEnd(LineReader& reader) {
  std::vector<std::u16string> lines;
  while (!reader.AtEnd()) {
    std::u16string line = reader.ReadLine();
    std::size_t start = 0;
    for (std::size_t lf = line.find(u'\n'); lf != std::u16string::npos;
         lf = line.find(u'\n', start)) {
      lines.push_back(line.substr(start, lf - start));
      start = lf + 1;
    }
    if (start == 0 || start < line.size()) lines.push_back(line.substr(start));
  }
  return lines;
}

}  // namespace bc

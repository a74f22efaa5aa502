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

std::vector<std::u16string> SplitLinesAnyEnd(std::string_view bytes) {
  std::vector<std::u16string> lines;
  ForEachLineAnyEnd(bytes, [&lines](std::string_view line) { lines.push_back(DecodeAnsi(line)); });
  return lines;
}

}  // namespace bc

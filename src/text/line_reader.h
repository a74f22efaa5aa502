// Reads a code page 932 text file (the source record file, settings, tables)
// forwards, one line at a time. Lines end at CR LF or at a bare CR; a bare LF
// stays inside the line.
#ifndef BORINGCONV_TEXT_LINE_READER_H_
#define BORINGCONV_TEXT_LINE_READER_H_

#include <algorithm>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace bc {

class LineReader {
 public:
  // Reads the whole file; false when it cannot be opened or read.
  bool Open(const std::filesystem::path& path);

  // Takes the bytes of a file directly (tests, and files already read).
  void OpenBytes(std::string bytes);

  bool AtEnd() const { return position_ >= bytes_.size(); }

  // The bytes not read yet.
  std::string_view Remaining() const { return std::string_view(bytes_).substr(position_); }

  // The next line, decoded from code page 932; empty at the end.
  std::u16string ReadLine();

  // One-based number of the line ReadLine returned last.
  long line_number() const { return line_number_; }

 private:
  std::string bytes_;
  std::size_t position_ = 0;
  long line_number_ = 0;
};

// Every line of the bytes of a file other than the source (a table, the
// settings), which may have been saved with bare LF line ends: there a bare
// LF ends a line too, as CR LF and CR do. The lines are given as bytes: line
// ends never end a double-byte character, so a line decoded alone reads as
// it would within the whole text.
template <class Take>
void ForEachLineAnyEnd(std::string_view bytes, Take take) {
  const std::size_t end = bytes.size();
  // The next CR and the next LF, each searched for again only once passed.
  auto next = [bytes, end](char c, std::size_t from) { return std::min(bytes.find(c, from), end); };
  std::size_t cr = next('\r', 0);
  std::size_t lf = next('\n', 0);
  std::size_t at = 0;
  while (at != end) {
    if (cr < at) cr = next('\r', at);
    if (lf < at) lf = next('\n', at);
    const std::size_t stop = std::min(cr, lf);
    take(bytes.substr(at, stop - at));
    if (stop == end) break;
    at = stop + 1;
    // A bare LF just before a CR ends the line the CR would end.
    if (bytes[stop] == '\n' && at != end && bytes[at] == '\r') ++at;
    if (bytes[at - 1] == '\r' && at != end && bytes[at] == '\n') ++at;
  }
}

// The same lines, decoded.
std::vector<std::u16string> SplitLinesAnyEnd(std::string_view bytes);

}  // namespace bc

#endif  // BORINGCONV_TEXT_LINE_READER_H_

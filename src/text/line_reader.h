// Reads a code page 932 text file (the source record file, settings, tables)
// forwards, one line at a time. Lines end at CR LF or at a bare CR; a bare LF
// stays inside the line.
#ifndef BORINGCONV_TEXT_LINE_READER_H_
#define BORINGCONV_TEXT_LINE_READER_H_

#include <filesystem>
#include <string>
#include <vector>

namespace bc {

class LineReader {
 public:
  // Reads the whole file; false when it cannot be opened or read.
  bool Open(const std::filesystem::path& path);

  // Takes the bytes of a file directly (tests, and files already read).
  void OpenBytes(std::string bytes);

  bool AtEnd() const { return position_ >= bytes_.size(); }

  // The next line, decoded from code page 932; empty at the end.
  std::u16string ReadLine();

  // One-based number of the line ReadLine returned last.
  long line_number() const { return line_number_; }

 private:
  std::string bytes_;
  std::size_t position_ = 0;
  long line_number_ = 0;
};

// The remaining lines of a file other than the source (a table, the
// settings), which may have been saved with bare LF line ends: there a bare
// LF ends a line too, as CR LF and CR do.
std::vector<std::u16string> ReadLinesAnyEnd(LineReader& reader);

}  // namespace bc

#endif  // BORINGCONV_TEXT_LINE_READER_H_

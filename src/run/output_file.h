// An output text file: code page 932, every line ended by CR LF.
#ifndef BORINGCONV_RUN_OUTPUT_FILE_H_
#define BORINGCONV_RUN_OUTPUT_FILE_H_

#include <filesystem>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>

#include "run/file_system.h"

namespace bc {

class OutputFile {
 public:
  // Creates or replaces the file. shown_name names it in messages. Throws
  // RunError when the file cannot be created, or when its name is a symbolic
  // link: an output never overwrites the file a link points at.
  OutputFile(FileSystem& fs, const std::filesystem::path& host, std::u16string shown_name);
  OutputFile(const std::filesystem::path& host, std::u16string shown_name);
  ~OutputFile();

  OutputFile(OutputFile&&) = default;
  OutputFile& operator=(OutputFile&&) = default;

  // Writes the line and CR LF. Throws RunError when the write fails.
  void WriteLine(std::u16string_view line);
  // Writes the pieces as one line, without joining them first.
  void WriteLine(std::initializer_list<std::u16string_view> pieces);

  // Flushes and closes; throws RunError when that fails (a full disk shows
  // here). The destructor closes a file not closed yet without reporting.
  void Close();

 private:
  // Ends line_bytes_ with CR LF and writes it.
  void WriteLineBytes();

  std::unique_ptr<WritableFile> file_;
  std::u16string shown_name_;
  std::string line_bytes_;  // the line being written, its room kept for the next
};

}  // namespace bc

#endif  // BORINGCONV_RUN_OUTPUT_FILE_H_

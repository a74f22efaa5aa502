// A scratch destination and pattern-data folder for running one section of
// a conversion on a few source lines.
#ifndef BORINGCONV_TESTS_SUPPORT_SECTION_FIXTURE_H_
#define BORINGCONV_TESTS_SUPPORT_SECTION_FIXTURE_H_

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "environment/environment.h"
#include "run/record.h"
#include "run/run_context.h"
#include "text/line_reader.h"

namespace bc::testing {

// A fresh scratch folder removed at the end of its life.
class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

// Writes lines as code page 932 text, each ended by CR LF.
void WriteAnsiLines(const std::filesystem::path& file, const std::vector<std::u16string>& lines);
std::string ReadBytes(const std::filesystem::path& file);
// Writes bytes as they are, making the file's folders first.
void WriteBytes(const std::filesystem::path& file, const std::string& bytes);
// The lines of a code page 932 file with CR LF line ends. A file that does
// not end in CR LF gets a last line "<no line end>" appended to its text.
std::vector<std::u16string> ReadAnsiLines(const std::filesystem::path& file);

class SectionFixture {
 public:
  SectionFixture();

  // The pattern-data folder is drive P:, the destination drive D: ("D:\").
  void WritePatdat(const std::u16string& name, const std::vector<std::u16string>& lines);
  std::vector<std::u16string> PatdatLines(const std::u16string& name) const;
  std::filesystem::path PatdatPath(const std::u16string& name) const;

  // Makes a run context over the source lines with the first line read as
  // the current record.
  RunContext& Start(const std::vector<std::u16string>& source_lines);

  std::vector<std::u16string> OutputLines(const std::u16string& name) const;
  std::string OutputBytes(const std::u16string& name) const;
  bool OutputExists(const std::u16string& name) const;
  const std::filesystem::path& output_folder() const { return output_; }
  Environment& env() { return env_; }

 private:
  ScratchFolder scratch_;
  std::filesystem::path output_;
  std::filesystem::path patdat_;
  Environment env_;
  LineReader source_;
  Record record_;
  std::unique_ptr<RunContext> context_;
};

}  // namespace bc::testing

#endif  // BORINGCONV_TESTS_SUPPORT_SECTION_FIXTURE_H_

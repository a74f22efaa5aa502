#include "support/section_fixture.h"

#include <fstream>
#include <iterator>
#include <random>

#include "text/codepage.h"

namespace bc::testing {

ScratchFolder::ScratchFolder() {
  std::random_device seed;
  std::filesystem::path base = std::filesystem::temp_directory_path();
  do {
    path_ = base / ("boringconv-test-" + std::to_string(seed()));
  } while (std::filesystem::exists(path_));
  std::filesystem::create_directories(path_);
}

ScratchFolder::~ScratchFolder() {
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
}

void WriteAnsiLines(const std::filesystem::path& file, const std::vector<std::u16string>& lines) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  for (const std::u16string& line : lines) out << EncodeAnsi(line) << "\r\n";
}

void WriteBytes(const std::filesystem::path& file, const std::string& bytes) {
  std::filesystem::create_directories(file.parent_path());
  std::ofstream(file, std::ios::binary) << bytes;
}

std::string ReadBytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

std::vector<std::u16string> ReadAnsiLines(const std::filesystem::path& file) {
  std::string bytes = ReadBytes(file);
  std::vector<std::u16string> lines;
  std::size_t start = 0;
  while (start < bytes.size()) {
    std::size_t end = bytes.find("\r\n", start);
    if (end == std::string::npos) {
      lines.push_back(DecodeAnsi(bytes.substr(start)) + u"<no line end>");
      break;
    }
    lines.push_back(DecodeAnsi(bytes.substr(start, end - start)));
    start = end + 2;
  }
  return lines;
}

SectionFixture::SectionFixture()
    : output_(scratch_.path() / "out"),
      patdat_(scratch_.path() / "patdat"),
      env_(DriveMap(), scratch_.path()) {
  std::filesystem::create_directories(output_);
  std::filesystem::create_directories(patdat_);
  env_.drives().Map(u'D', output_);
  env_.drives().Map(u'P', patdat_);
}

void SectionFixture::WritePatdat(const std::u16string& name,
                                 const std::vector<std::u16string>& lines) {
  WriteAnsiLines(PatdatPath(name), lines);
}

std::vector<std::u16string> SectionFixture::PatdatLines(const std::u16string& name) const {
  return ReadAnsiLines(PatdatPath(name));
}

std::filesystem::path SectionFixture::PatdatPath(const std::u16string& name) const {
  return env_.HostPath(u"P:\\" + name);
}

RunContext& SectionFixture::Start(const std::vector<std::u16string>& source_lines) {
  std::string bytes;
  for (const std::u16string& line : source_lines) bytes += EncodeAnsi(line) + "\r\n";
  source_.OpenBytes(bytes);
  record_ = Record();
  context_ = std::make_unique<RunContext>(env_, source_, record_, u"D:\\", u"P:\\");
  if (!source_.AtEnd()) context_->Next();
  return *context_;
}

std::vector<std::u16string> SectionFixture::OutputLines(const std::u16string& name) const {
  return ReadAnsiLines(env_.HostPath(u"D:\\" + name));
}

std::string SectionFixture::OutputBytes(const std::u16string& name) const {
  return ReadBytes(env_.HostPath(u"D:\\" + name));
}

bool SectionFixture::OutputExists(const std::u16string& name) const {
  return std::filesystem::exists(env_.HostPath(u"D:\\" + name));
}

}  // namespace bc::testing

#include "run/file_system.h"

#include "text/codepage.h"

namespace bc {

FileSystem& FileSystem::Default() {
  static const std::unique_ptr<FileSystem> host = NewHostFileSystem();
  return *host;
}

ReadStatus FileSystem::ReadHead(const std::filesystem::path& path, std::size_t limit,
                                std::string* bytes) {
  ReadStatus status = ReadFile(path, bytes);
  if (bytes->size() > limit) bytes->resize(limit);
  return status;
}

bool FileSystem::CodePageReady() { return AnsiCodePageReady(); }

}  // namespace bc

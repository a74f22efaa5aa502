#include "run/file_system.h"

#include "text/codepage.h"

namespace bc {

FileSystem& FileSystem::Default() {
  static const std::unique_ptr<FileSystem> host = NewHostFileSystem();
  return *host;
}

bool FileSystem::CodePageReady() { return AnsiCodePageReady(); }

}  // namespace bc

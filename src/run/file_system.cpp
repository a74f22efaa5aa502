#include "run/file_system.h"

namespace bc {

FileSystem& FileSystem::Default() {
  static const std::unique_ptr<FileSystem> host = NewHostFileSystem();
  return *host;
}

}  // namespace bc

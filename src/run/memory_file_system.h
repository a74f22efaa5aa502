// Files held in memory, for tests and fuzz targets that run whole
// conversions without touching the disk. A folder exists when it was added
// or holds a file.
#ifndef BORINGCONV_RUN_MEMORY_FILE_SYSTEM_H_
#define BORINGCONV_RUN_MEMORY_FILE_SYSTEM_H_

#include <map>
#include <memory>
#include <mutex>
#include <set>
#include <string>

#include "run/file_system.h"

namespace bc {

class MemoryFileSystem : public FileSystem {
 public:
  MemoryFileSystem();
  ~MemoryFileSystem() override;

  void SetFile(const std::filesystem::path& path, std::string bytes);
  // The file's bytes; nothing when it does not exist.
  std::optional<std::string> GetFile(const std::filesystem::path& path) const;
  void AddFolder(const std::filesystem::path& path);
  // A symbolic link at path: never read or written through.
  void AddSymlink(const std::filesystem::path& path);

  using FileSystem::ReadFile;
  ReadStatus ReadFile(const std::filesystem::path& path, std::uint64_t limit,
                      std::string* bytes) override;
  OpenStatus OpenWritable(const std::filesystem::path& path, WriteMode mode,
                          std::unique_ptr<WritableFile>* file) override;
  bool Truncate(const std::filesystem::path& path, std::uint64_t size) override;
  bool Rename(const std::filesystem::path& from, const std::filesystem::path& to) override;
  bool Remove(const std::filesystem::path& path) override;
  LockStatus TryLock(const std::filesystem::path& path, std::unique_ptr<FileLock>* lock,
                     std::u16string* reason) override;
  std::optional<std::uint64_t> FileSize(const std::filesystem::path& path) override;
  bool Exists(const std::filesystem::path& path) override;
  bool IsSymlink(const std::filesystem::path& path) override;
  std::vector<std::filesystem::path> List(const std::filesystem::path& folder) override;
  bool CreateFolder(const std::filesystem::path& path) override;

 private:
  struct State {
    std::mutex mutex;
    std::map<std::string, std::string> files;
    std::set<std::string> folders;
    std::set<std::string> links;
    std::set<std::string> locks;
  };
  class File;
  class Lock;

  static std::string Key(const std::filesystem::path& path);
  bool FolderExists(const std::string& key) const;  // with the mutex held

  std::shared_ptr<State> state_;
};

}  // namespace bc

#endif  // BORINGCONV_RUN_MEMORY_FILE_SYSTEM_H_

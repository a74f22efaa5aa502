// The mounts of a POSIX host, so that a walk over a whole drive can keep out
// of pseudo file systems (which hold no data and some of which never end)
// and out of other machines' disks (slow, and not where the user's data is).
#ifndef BORINGCONV_ENVIRONMENT_MOUNT_TABLE_H_
#define BORINGCONV_ENVIRONMENT_MOUNT_TABLE_H_

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace bc {

struct Mount {
  std::string point;  // absolute, without a trailing "/" (the root is "/")
  std::string type;   // as the kernel names it: "ext4", "proc", "fuse.sshfs"
};

// The mounts listed by the text of /proc/self/mountinfo, in its order.
// Malformed lines are skipped; "\040" and the like are unescaped.
std::vector<Mount> ParseMountInfo(std::string_view text);

// True for a pseudo file system (proc, sysfs, devpts, cgroup, debugfs, ...)
// or one that lives on another machine (nfs, cifs, sshfs, autofs, ...).
bool IsSkippedFileSystemType(std::string_view type);

class MountTable {
 public:
  MountTable() = default;
  explicit MountTable(std::vector<Mount> mounts) : mounts_(std::move(mounts)) {}

  // The host's mounts; empty where the host does not list them (Windows).
  static MountTable Current();

  // True when folder (absolute) lies on a mount whose type is skipped.
  bool Skips(const std::filesystem::path& folder) const;

 private:
  std::vector<Mount> mounts_;
};

}  // namespace bc

#endif  // BORINGCONV_ENVIRONMENT_MOUNT_TABLE_H_

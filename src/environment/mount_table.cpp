#include "environment/mount_table.h"

#include <array>
#include <fstream>
#include <iterator>
#include <sstream>

namespace bc {
namespace {

constexpr std::array<std::string_view, 21> kPseudoTypes = {
    "proc",      "sysfs",      "devpts",      "devtmpfs", "cgroup",   "cgroup2",    "debugfs",
    "tracefs",   "securityfs", "pstore",      "bpf",      "configfs", "fusectl",    "mqueue",
    "hugetlbfs", "autofs",     "binfmt_misc", "efivarfs", "nsfs",     "rpc_pipefs", "selinuxfs"};

// autofs above also stands for the automounted shares behind it.
constexpr std::array<std::string_view, 15> kNetworkTypes = {"nfs",
                                                            "nfs4",
                                                            "cifs",
                                                            "smb3",
                                                            "smbfs",
                                                            "ncpfs",
                                                            "afs",
                                                            "ceph",
                                                            "glusterfs",
                                                            "davfs",
                                                            "fuse.sshfs",
                                                            "fuse.rclone",
                                                            "fuse.curlftpfs",
                                                            "fuse.gvfsd-fuse",
                                                            "fuse.s3fs"};

// Octal escapes ("\040" for a blank) as mountinfo writes odd characters.
std::string Unescape(std::string_view field) {
  std::string out;
  for (std::size_t i = 0; i < field.size(); ++i) {
    if (field[i] == '\\' && i + 3 < field.size()) {
      int value = 0;
      bool octal = true;
      for (std::size_t k = 1; k <= 3; ++k) {
        char c = field[i + k];
        octal = octal && c >= '0' && c <= '7';
        value = value * 8 + (c - '0');
      }
      if (octal) {
        out.push_back(static_cast<char>(value));
        i += 3;
        continue;
      }
    }
    out.push_back(field[i]);
  }
  return out;
}

// A line: id parent major:minor root point options [optional...] - type source super
bool ParseLine(const std::string& line, Mount& mount) {
  std::istringstream in(line);
  std::vector<std::string> fields{std::istream_iterator<std::string>(in),
                                  std::istream_iterator<std::string>()};
  if (fields.size() < 7) return false;
  std::size_t dash = 6;
  while (dash < fields.size() && fields[dash] != "-") ++dash;
  if (dash + 1 >= fields.size()) return false;
  mount.point = Unescape(fields[4]);
  while (mount.point.size() > 1 && mount.point.back() == '/') mount.point.pop_back();
  mount.type = fields[dash + 1];
  return !mount.point.empty() && mount.point[0] == '/';
}

// True when folder is point or lies below it.
bool IsWithin(const std::string& folder, const std::string& point) {
  if (point == "/") return !folder.empty() && folder[0] == '/';
  return folder.compare(0, point.size(), point) == 0 &&
         (folder.size() == point.size() || folder[point.size()] == '/');
}

}  // namespace

std::vector<Mount> ParseMountInfo(std::string_view text) {
  std::vector<Mount> mounts;
  std::istringstream in{std::string(text)};
  for (std::string line; std::getline(in, line);) {
    Mount mount;
    if (ParseLine(line, mount)) mounts.push_back(std::move(mount));
  }
  return mounts;
}

bool IsSkippedFileSystemType(std::string_view type) {
  for (std::string_view known : kPseudoTypes) {
    if (type == known) return true;
  }
  for (std::string_view known : kNetworkTypes) {
    if (type == known) return true;
  }
  return false;
}

MountTable MountTable::Current() {
#ifdef __linux__
  std::ifstream in("/proc/self/mountinfo", std::ios::binary);
  std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  return MountTable(ParseMountInfo(text));
#else
  return MountTable();
#endif
}

bool MountTable::Skips(const std::filesystem::path& folder) const {
  std::string path = folder.lexically_normal().generic_string();
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  // The last listed mount over a point hides the earlier ones.
  const Mount* found = nullptr;
  for (const Mount& mount : mounts_) {
    if (IsWithin(path, mount.point) &&
        (found == nullptr || mount.point.size() >= found->point.size()))
      found = &mount;
  }
  return found != nullptr && IsSkippedFileSystemType(found->type);
}

}  // namespace bc

#include "environment/mount_table.h"

#include <gtest/gtest.h>

namespace bc {
namespace {

// Lines as a Linux host lists them, with optional fields and an escaped blank.
constexpr char kMountInfo[] =
    "22 1 8:1 / / rw,relatime shared:1 - ext4 /dev/sda1 rw\n"
    "23 22 0:21 / /proc rw,nosuid shared:5 - proc proc rw\n"
    "24 22 0:22 / /sys rw shared:6 - sysfs sysfs rw\n"
    "25 24 0:23 / /sys/kernel/debug rw - debugfs debugfs rw\n"
    "26 22 0:5 / /dev rw shared:2 - devtmpfs udev rw\n"
    "27 26 0:24 / /dev/pts rw shared:3 - devpts devpts rw\n"
    "28 22 0:25 / /srv/share rw shared:9 master:2 - nfs4 host:/export rw\n"
    "29 22 0:26 / /home/u/remote\\040box rw - fuse.sshfs u@host: rw\n"
    "30 22 8:2 / /home rw - ext4 /dev/sda2 rw\n"
    "31 22 0:27 / /mnt/auto rw - autofs systemd-1 rw\n"
    "32 22 0:28 / /media/usb rw - fuseblk /dev/sdb1 rw\n"
    "33 22 0:29 / /run rw - tmpfs tmpfs rw\n"
    "broken line\n"
    "34 22 0:30 / relative rw - ext4 x rw\n"
    "35 22 0:31 / /nodash rw shared:1 ext4 x rw\n";

TEST(MountTableTest, ParsesPointsAndTypes) {
  std::vector<Mount> mounts = ParseMountInfo(kMountInfo);
  ASSERT_EQ(mounts.size(), 12u);
  EXPECT_EQ(mounts[0].point, "/");
  EXPECT_EQ(mounts[0].type, "ext4");
  EXPECT_EQ(mounts[6].point, "/srv/share");
  EXPECT_EQ(mounts[6].type, "nfs4");
  EXPECT_EQ(mounts[7].point, "/home/u/remote box");
  EXPECT_EQ(mounts[7].type, "fuse.sshfs");
}

TEST(MountTableTest, SkipsPseudoAndRemoteFoldersOnly) {
  MountTable table(ParseMountInfo(kMountInfo));
  struct Case {
    const char* folder;
    bool skipped;
  } cases[] = {
      {"/", false},
      {"/proc", true},
      {"/proc/1/root", true},
      {"/processes", false},  // a prefix of a name is not a parent
      {"/sys/kernel/debug/x", true},
      {"/dev/pts", true},
      {"/dev", true},
      {"/srv/share/data", true},
      {"/srv", false},
      {"/home/u/remote box/PATDAT", true},
      {"/home/u/work", false},
      {"/mnt/auto/x", true},
      {"/media/usb/PATDAT", false},  // a local disk through FUSE
      {"/run/x", false},
      {"/proc/", true},
      {"/home/../proc", true},
  };
  for (const Case& c : cases) EXPECT_EQ(table.Skips(c.folder), c.skipped) << c.folder;
}

TEST(MountTableTest, ALaterMountOverTheSamePointWins) {
  MountTable table(
      ParseMountInfo("1 0 0:1 / /mnt rw - nfs h:/x rw\n"
                     "2 1 0:2 / /mnt rw - ext4 /dev/sdc rw\n"));
  EXPECT_FALSE(table.Skips("/mnt/data"));
  EXPECT_FALSE(MountTable().Skips("/proc"));
}

}  // namespace
}  // namespace bc

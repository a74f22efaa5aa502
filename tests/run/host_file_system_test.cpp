// The host's file system where a sharer, a planted file or a hostile name
// meets it: locks of every kind and of another user, FIFOs, oversize
// sources and links.
#ifndef _WIN32

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <fstream>

#include "run/file_system.h"
#include "run/run_error.h"
#include "run/table_file.h"
#include "support/section_fixture.h"

namespace bc {
namespace {

using testing::ReadBytes;
using testing::ScratchFolder;

LockStatus Try(const std::filesystem::path& path, std::unique_ptr<FileLock>* lock) {
  std::u16string reason;
  return FileSystem::Default().TryLock(path, lock, &reason);
}

// A lock of either kind held through another open file: the run must wait.
TEST(HostFileSystemTest, HoldersOfEitherKindOfLockAreHonoured) {
  ScratchFolder scratch;
  const std::filesystem::path path = scratch.path() / "boringconv.lock";
  for (bool use_flock : {true, false}) {
    int fd = ::open(path.c_str(), O_RDWR | O_CREAT, 0666);
    ASSERT_GE(fd, 0);
    struct flock request = {};
    request.l_type = F_WRLCK;
    ASSERT_EQ(use_flock ? ::flock(fd, LOCK_EX) : ::fcntl(fd, F_OFD_SETLK, &request), 0);
    std::unique_ptr<FileLock> lock;
    EXPECT_EQ(Try(path, &lock), LockStatus::kBusy) << (use_flock ? "flock" : "fcntl");
    ::close(fd);
    EXPECT_EQ(Try(path, &lock), LockStatus::kLocked);
    std::unique_ptr<FileLock> second;
    EXPECT_EQ(Try(path, &second), LockStatus::kBusy);  // two runs of one process too
  }
}

// A second user opens another's 0644 lock file read-only and still takes
// part in the turns. As root the test becomes "nobody" in a child process.
TEST(HostFileSystemTest, UserWhoCannotWriteTheLockFileStillTakesTurns) {
  if (::geteuid() != 0) GTEST_SKIP() << "needs root to act as a second user";
  ScratchFolder scratch;
  std::filesystem::permissions(scratch.path(), std::filesystem::perms::all);
  const std::filesystem::path path = scratch.path() / "boringconv.lock";
  std::ofstream(path).put('\n');
  std::filesystem::permissions(path, std::filesystem::perms(0644));
  // The child's attempt while the parent holds the lock, then after.
  auto other_user = [&](LockStatus expected) {
    pid_t child = ::fork();
    if (child == 0) {
      if (::setgid(65534) != 0 || ::setuid(65534) != 0) ::_exit(3);
      std::unique_ptr<FileLock> lock;
      ::_exit(Try(path, &lock) == expected ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  };
  std::unique_ptr<FileLock> held;
  ASSERT_EQ(Try(path, &held), LockStatus::kLocked);
  EXPECT_EQ(other_user(LockStatus::kBusy), 0);
  held.reset();
  EXPECT_EQ(other_user(LockStatus::kLocked), 0);
}

TEST(HostFileSystemTest, LockFileThatIsALinkIsRefused) {
  ScratchFolder scratch;
  const std::filesystem::path target = scratch.path() / "elsewhere";
  std::filesystem::create_symlink(target, scratch.path() / "boringconv.lock");
  std::unique_ptr<FileLock> lock;
  std::u16string reason;
  EXPECT_EQ(FileSystem::Default().TryLock(scratch.path() / "boringconv.lock", &lock, &reason),
            LockStatus::kFailed);
  EXPECT_FALSE(reason.empty());
  EXPECT_FALSE(std::filesystem::exists(target));
}

TEST(HostFileSystemTest, MissingFolderHasNoLockToTake) {
  ScratchFolder scratch;
  std::unique_ptr<FileLock> lock;
  EXPECT_EQ(Try(scratch.path() / "none" / "boringconv.lock", &lock), LockStatus::kUnavailable);
}

// A FIFO would block the open and then the read forever; a file above the
// limit is not read at all (a sparse one costs nothing to make).
TEST(HostFileSystemTest, OnlyPlainFilesUpToTheLimitAreRead) {
  ScratchFolder scratch;
  const std::filesystem::path fifo = scratch.path() / "fifo.txt";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0666), 0);
  const std::filesystem::path big = scratch.path() / "big.txt";
  std::ofstream(big).put('x');
  std::filesystem::resize_file(big, (std::uint64_t{64} << 20) + 1);
  FileSystem& fs = FileSystem::Default();
  std::string bytes = "untouched";
  EXPECT_EQ(fs.ReadFile(fifo, &bytes), ReadStatus::kCannotOpen);
  EXPECT_EQ(fs.ReadFile(scratch.path(), &bytes), ReadStatus::kCannotOpen);
  EXPECT_EQ(fs.ReadFile(big, std::uint64_t{64} << 20, &bytes), ReadStatus::kTooLarge);
  EXPECT_EQ(bytes, "untouched");
  EXPECT_EQ(fs.ReadFile(big, std::uint64_t{65} << 20, &bytes), ReadStatus::kOk);
  EXPECT_EQ(bytes.size(), (std::uint64_t{64} << 20) + 1);
}

// Neither a table's append nor a replace writes through a link at its name.
TEST(HostFileSystemTest, TablesAreNotWrittenThroughLinks) {
  ScratchFolder scratch;
  const std::filesystem::path victim = scratch.path() / "victim.txt";
  std::ofstream(victim) << "keep\r\n";
  const std::filesystem::path table = scratch.path() / "L13.TXT";
  std::filesystem::create_symlink(victim, table);
  FileSystem& fs = FileSystem::Default();
  EXPECT_THROW(AppendTableLine(fs, table, u"P:\\L13.TXT", u"01,x", nullptr), RunError);
  EXPECT_THROW(ReplaceTableLines(fs, table, u"P:\\L13.TXT", {u"01,x"}), RunError);
  EXPECT_EQ(ReadBytes(victim), "keep\r\n");
  EXPECT_TRUE(std::filesystem::is_symlink(table));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(scratch.path()), {}), 2);
}

}  // namespace
}  // namespace bc

#endif  // _WIN32

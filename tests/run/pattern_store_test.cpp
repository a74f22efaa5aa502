#include "run/pattern_store.h"

#include <gtest/gtest.h>

#include <random>

#include "run/memory_file_system.h"
#include "run/run_error.h"
#include "support/faulty_file_system.h"
#include "support/section_fixture.h"
#include "text/codepage.h"
#include "text/free_format.h"
#include "text/numeric.h"
#include "text/width.h"

#ifndef _WIN32
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace bc {
namespace {

using testing::FaultyFileSystem;
using testing::FileOp;
using testing::ScratchFolder;

const std::filesystem::path kFolder = "/mem/p";

constexpr TableKey kSecondItem{1};

// A store over P:, a folder of the in-memory file system.
class PatternStoreTest : public ::testing::Test {
 protected:
  PatternStoreTest() : env_(DriveMap(), "/mem") {
    env_.drives().Map(u'P', kFolder);
    memory_.AddFolder(kFolder);
  }

  void Put(const char* name, std::string bytes) {
    memory_.SetFile(kFolder / name, std::move(bytes));
  }
  std::string Bytes(const char* name) const {
    return memory_.GetFile(kFolder / name).value_or("?");
  }

  Environment env_;
  MemoryFileSystem memory_;
};

// The entries whose key is text, by reading every entry's items.
std::vector<PatternTable::EntryId> Scan(const PatternTable& table, const TableKey& key,
                                        const std::u16string& text) {
  std::vector<PatternTable::EntryId> found;
  for (std::size_t i = 0; i < table.size(); ++i) {
    std::u16string item = ItemOrEmpty(table.Entry(i), key.item);
    item = item.substr(0, item.find(key.stop));
    if (key.width == TableKey::Width::kFull) item = ToFullWidth(item);
    if (key.width == TableKey::Width::kHalf) item = ToHalfWidth(item);
    if (item == text) found.push_back(table.Id(i));
  }
  return found;
}

// The fold every table reader used: the highest first item above 0.
double ScanHighest(const PatternTable& table) {
  double highest = 0;
  for (const auto& items : table.Entries()) {
    double value = NumericValue(ItemOrEmpty(items, 0));
    if (value > highest) highest = value;
  }
  return highest;
}

TEST_F(PatternStoreTest, IndexAndCopyAgreeWithAFreshReadAfterEveryAppend) {
  // Bare LF ends, blank lines, and a last line without its end.
  Put("L19.TXT", " 1,a\n 2,b\r\n\r\n   \r\n 3,a\r 4");
  PatternStore store(env_, u"P:\\", memory_);
  std::mt19937 random(7);
  const std::vector<std::u16string> names = {u"a", u"b", u"c", u"砂", u"", u"①"};
  for (int round = 0; round < 40; ++round) {
    PatternTable& table = store.Table(u"L19.TXT");
    for (const std::u16string& name : names) {
      EXPECT_EQ(table.Find(kSecondItem, name), Scan(table, kSecondItem, name)) << "round " << round;
    }
    EXPECT_EQ(table.HighestCode(), ScanHighest(table));
    // The copy holds what a fresh reader of the file finds.
    PatternStore fresh(env_, u"P:\\", memory_);
    ASSERT_EQ(table.Lines(), fresh.Table(u"L19.TXT").Lines()) << "round " << round;
    EXPECT_EQ(table.Entries(), fresh.Table(u"L19.TXT").Entries());
    EXPECT_EQ(fresh.Table(u"L19.TXT").HighestCode(), ScanHighest(table));

    std::u16string name = names[random() % names.size()];
    std::u16string code = round % 7 == 3 ? u"   " : std::u16string(1, char16_t(u'0' + round % 10));
    // A character the code page lacks is never written as "?": the append
    // stops and the table stays as it was.
    if (round == 11) {
      std::string old = Bytes("L19.TXT");
      EXPECT_THROW(store.Append(u"L19.TXT", code + u",🀄"), RunError);
      EXPECT_EQ(Bytes("L19.TXT"), old);
    }
    store.Append(u"L19.TXT", code + u"," + name);
  }
}

// Lookups answered by searching the bytes and by the index must both find
// exactly the entries a reader of every entry finds: names spelled in more
// than one way (half and full width, the NEC and IBM duplicates, a lead
// byte standing alone), names inside other names and remarks, quoted names,
// and names added after the first lookups.
TEST_F(PatternStoreTest, SearchAndIndexAgreeWithReadingEveryEntry) {
  const std::string lines[] = {"1,\x88\xc3\x8a\x44",                  // 暗灰
                               "2,\x88\xc3\x8a\x44\x82\xa2",          // 暗灰い
                               " 3 , \x88\xc3\x8a\x44  ",             // 暗灰, blanks around
                               "4,\"\x88\xc3\x8a\x44\"",              // "暗灰"
                               "5,\x88\xc3\x81\x69\x8a\x44\x81\x6a",  // 暗（灰）
                               "6,\x81\xe6,\x87\x9a",                 // ∵ and its NEC form
                               "7,\xfa\x5b",                          // ∵ in its IBM form
                               "8,AB",
                               "9,\x82\x60\x82\x61",  // AB and ＡＢ
                               "10,\xb6\xde",         // ｶﾞ
                               "11,\x83\x4b",         // ガ
                               "12,\x88",             // a lead byte alone
                               "13,x\x88\xc3\x8a\x44",
                               "   ",
                               "14,\x8a\x44\r\n15,\x88\xc3",
                               "16,\" \",x",
                               "17, \" \x88\xc3\"",
                               "18,\"\t\x88\xc3 \""};  // blanks kept by quotes
  std::string bytes;
  for (const std::string& line : lines) bytes += line + "\r\n";
  Put("L19.TXT", bytes);
  const std::u16string texts[] = {u"暗灰",     u"暗灰い", u"暗", u"灰",     u"∵",     u"AB",
                                  u"ＡＢ",     u"ｶﾞ",     u"ガ", u"\uFFFD", u"x暗灰", u"（灰）",
                                  u"暗（灰）", u"1",      u" ",  u" 暗",    u"\t暗 ", u"x"};
  const TableKey keys[] = {{1},
                           {1, TableKey::Width::kFull},
                           {1, TableKey::Width::kHalf},
                           {1, TableKey::Width::kAsRead, u'（'},
                           {2}};
  auto expect_agreement = [](PatternStore& store, const TableKey& key, const std::u16string& text) {
    PatternTable& table = store.Table(u"L19.TXT");
    EXPECT_EQ(table.Find(key, text), Scan(table, key, text))
        << "item " << key.item << " width " << static_cast<int>(key.width) << " text "
        << ::testing::PrintToString(text);
  };
  // Each lookup first in a store of its own, where it is the first and is
  // searched for when it can be, again after lines are added...
  for (const TableKey& key : keys) {
    for (const std::u16string& text : texts) {
      PatternStore store(env_, u"P:\\", memory_);
      expect_agreement(store, key, text);
      store.Append(u"L19.TXT", u"20,暗灰");
      store.Append(u"L19.TXT", u"21,ＡＢ");
      expect_agreement(store, key, text);
    }
  }
  // ...then all in one store, where the index takes over.
  PatternStore store(env_, u"P:\\", memory_);
  for (int round = 0; round < 2; ++round) {
    for (const TableKey& key : keys) {
      for (const std::u16string& text : texts) expect_agreement(store, key, text);
    }
    store.Append(u"L19.TXT", u"22,暗灰");
  }
}

TEST_F(PatternStoreTest, FailedAppendLeavesNoTornLine) {
  const char* old_bytes = "1,a\r\n2,b";  // the write would first end the last line
  for (FileOp op : {FileOp::kSize, FileOp::kOpen, FileOp::kWrite, FileOp::kClose}) {
    Put("L19.TXT", old_bytes);
    // Reading the table asks its size once, the append once more.
    FaultyFileSystem faulty(memory_, op, op == FileOp::kSize ? 2 : 1);
    PatternStore store(env_, u"P:\\", faulty);
    store.Table(u"L19.TXT");
    try {
      store.Append(u"L19.TXT", u"3,砂利混じり粘土");
      ADD_FAILURE() << "no failure on " << FileOpName(op);
    } catch (const RunError& e) {
      EXPECT_NE(e.message().find(u"P:\\L19.TXT"), std::u16string::npos);
    }
    EXPECT_EQ(Bytes("L19.TXT"), old_bytes) << FileOpName(op);
    EXPECT_EQ(store.Table(u"L19.TXT").Lines().size(), 2u);
    // Once the disk is well again the line goes in whole.
    store.Append(u"L19.TXT", u"3,c");
    EXPECT_EQ(Bytes("L19.TXT"), std::string(old_bytes) + "\r\n3,c\r\n") << FileOpName(op);
  }
}

TEST_F(PatternStoreTest, FailedRewriteLeavesTheOldTableAndNoScratch) {
  const char* old_bytes = "2000,a\r\n5000,b\r\n";
  for (FileOp op :
       {FileOp::kOpen, FileOp::kWrite, FileOp::kSync, FileOp::kClose, FileOp::kRename}) {
    Put("XKISHITU.TXT", old_bytes);
    FaultyFileSystem faulty(memory_, op, 1);
    PatternStore store(env_, u"P:\\", faulty);
    store.Table(u"XKISHITU.TXT");
    EXPECT_THROW(store.Insert(u"XKISHITU.TXT", 1, u"2001,c"), RunError) << FileOpName(op);
    EXPECT_EQ(Bytes("XKISHITU.TXT"), old_bytes) << FileOpName(op);
    EXPECT_EQ(memory_.List(kFolder), std::vector<std::filesystem::path>{"XKISHITU.TXT"})
        << FileOpName(op);
    EXPECT_EQ(store.Table(u"XKISHITU.TXT").Lines().size(), 2u);
  }
  // The other lines keep their bytes and line ends, even those no code page
  // reads; a line past the end goes last.
  Put("XKISHITU.TXT", "2000,\x85\x40\n5000,b");
  PatternStore store(env_, u"P:\\", memory_);
  store.Insert(u"XKISHITU.TXT", 1, u"2001,c");
  store.Insert(u"XKISHITU.TXT", 9, u"5001,d");
  EXPECT_EQ(Bytes("XKISHITU.TXT"), "2000,\x85\x40\n2001,c\r\n5000,b\r\n5001,d\r\n");
  EXPECT_EQ(store.Table(u"XKISHITU.TXT").size(), 4u);
}

// Held additions reach the files once, at Commit: the extension list
// rewritten with its other lines' bytes kept (a bare LF, an open last line),
// the main list appended in one write; a failed commit or a discard leaves
// both files as they were and the copies are read afresh.
TEST_F(PatternStoreTest, HeldAdditionsAreWrittenOnceOrNotAtAll) {
  const char* extension = "2000,a\n5000,b";
  const char* main = "1,x\r\n";
  for (FileOp fail : {FileOp::kRename, FileOp::kWrite, FileOp::kOpen}) {
    for (bool commit : {true, false}) {
      SCOPED_TRACE(std::string(FileOpName(fail)) + (commit ? " commit" : " discard"));
      Put("XKISHITU.TXT", extension);
      Put("KISHITU.TXT", main);
      FaultyFileSystem faulty(memory_, fail, fail == FileOp::kRename ? 2 : 3);
      PatternStore store(env_, u"P:\\", faulty);
      store.Hold();
      store.Insert(u"XKISHITU.TXT", 1, u"2001,c");
      store.Insert(u"XKISHITU.TXT", 9, u"2002,d");
      store.Append(u"KISHITU.TXT", u"2001,c");
      store.Append(u"KISHITU.TXT", u"2002,d");
      EXPECT_EQ(store.Table(u"XKISHITU.TXT").size(), 4u);
      EXPECT_TRUE(store.Changed(u"KISHITU.TXT"));
      EXPECT_EQ(Bytes("XKISHITU.TXT"), extension);
      EXPECT_EQ(Bytes("KISHITU.TXT"), main);
      if (commit) {
        store.Commit();
        EXPECT_EQ(Bytes("XKISHITU.TXT"), "2000,a\n2001,c\r\n5000,b\r\n2002,d\r\n");
        EXPECT_EQ(Bytes("KISHITU.TXT"), "1,x\r\n2001,c\r\n2002,d\r\n");
        EXPECT_EQ(faulty.count(FileOp::kRename), 1);
        EXPECT_EQ(faulty.count(FileOp::kWrite), 2);
        // The next commit fails one of its writes and writes nothing else.
        store.Hold();
        store.Insert(u"XKISHITU.TXT", 0, u"2003,e");
        store.Append(u"KISHITU.TXT", u"2003,e");
        EXPECT_THROW(store.Commit(), RunError);
        EXPECT_EQ(Bytes("XKISHITU.TXT"), "2000,a\n2001,c\r\n5000,b\r\n2002,d\r\n");
        EXPECT_EQ(Bytes("KISHITU.TXT"), "1,x\r\n2001,c\r\n2002,d\r\n");
      } else {
        store.Discard();
        EXPECT_EQ(Bytes("XKISHITU.TXT"), extension);
        EXPECT_EQ(Bytes("KISHITU.TXT"), main);
      }
      EXPECT_FALSE(store.held());
      EXPECT_FALSE(store.Changed(u"XKISHITU.TXT"));
      EXPECT_EQ(store.Table(u"KISHITU.TXT").size(), commit ? 3u : 1u);
    }
  }
}

TEST_F(PatternStoreTest, ReadErrorNamesTheTable) {
  Put("L4.TXT", "1,a\r\n");
  FaultyFileSystem faulty(memory_, FileOp::kRead, 1);
  PatternStore store(env_, u"P:\\", faulty);
  try {
    store.Table(u"L4.TXT");
    FAIL() << "the read error went unnoticed";
  } catch (const RunError& e) {
    EXPECT_EQ(e.message(), CannotReadMessage(u"P:\\L4.TXT", FileError::kIoError));
  }
}

// The lock on the real file system: a second store of the same folder waits
// for the first, says so once, and gives up at its time limit.
class StoreLockTest : public ::testing::Test {
 protected:
  StoreLockTest() : env_(DriveMap(), scratch_.path()) { env_.drives().Map(u'P', scratch_.path()); }

  std::unique_ptr<PatternStore> Open(std::chrono::milliseconds timeout, int* waits) {
    PatternStore::Options options;
    options.lock_timeout = timeout;
    options.on_wait = [waits] { ++*waits; };
    return PatternStore::Open(env_, u"P:\\", options);
  }

  ScratchFolder scratch_;
  Environment env_;
};

TEST_F(StoreLockTest, SecondStoreWaitsThenGivesUp) {
  int waits = 0;
  auto first = Open(std::chrono::milliseconds(0), &waits);
  ASSERT_TRUE(first->locked());
  auto start = std::chrono::steady_clock::now();
  try {
    Open(std::chrono::milliseconds(300), &waits);
    FAIL() << "two stores held the lock";
  } catch (const RunError& e) {
    EXPECT_NE(e.message().find(u"P:\\"), std::u16string::npos);
  }
  EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(300));
  EXPECT_EQ(waits, 1);
  first.reset();
  waits = 0;
  EXPECT_TRUE(Open(std::chrono::milliseconds(0), &waits)->locked());
  EXPECT_EQ(waits, 0);
  EXPECT_TRUE(std::filesystem::exists(scratch_.path() / "boringconv.lock"));
}

TEST_F(StoreLockTest, FolderWithoutRoomForALockOpensUnlocked) {
  env_.drives().Map(u'Q', scratch_.path() / "missing");
  PatternStore::Options options;
  auto store = PatternStore::Open(env_, u"Q:\\", options);
  EXPECT_FALSE(store->locked());
  EXPECT_THROW(store->Table(u"L4.TXT"), RunError);
}

#ifndef _WIN32
TEST_F(StoreLockTest, LockOfAKilledProcessIsFree) {
  int ready[2];
  ASSERT_EQ(::pipe(ready), 0);
  pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    int waits = 0;
    auto store = Open(std::chrono::milliseconds(0), &waits);
    char byte = store->locked() ? 'y' : 'n';
    if (::write(ready[1], &byte, 1) != 1) ::_exit(1);
    ::pause();
    ::_exit(0);
  }
  char byte = 0;
  ASSERT_EQ(::read(ready[0], &byte, 1), 1);
  EXPECT_EQ(byte, 'y');
  int waits = 0;
  EXPECT_THROW(Open(std::chrono::milliseconds(150), &waits), RunError);
  ::kill(child, SIGKILL);
  ::waitpid(child, nullptr, 0);
  EXPECT_TRUE(Open(std::chrono::milliseconds(0), &waits)->locked());
  ::close(ready[0]);
  ::close(ready[1]);
}
#endif

}  // namespace
}  // namespace bc

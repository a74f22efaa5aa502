#include "environment/file_error.h"

#include <gtest/gtest.h>

#include <cerrno>

#include "environment/environment.h"
#include "run/run_error.h"

namespace bc {
namespace {

// The system's codes reach the user as the same few reasons on every
// platform.
TEST(FileErrorTest, SystemCodesGiveTheirReason) {
  struct Case {
    int posix;
    unsigned long windows;
    FileAccess access;
    std::u16string_view text;
  };
  const Case cases[] = {
      {ENOENT, 2, FileAccess::kRead, u"見つかりません"},
      {ENOTDIR, 3, FileAccess::kRead, u"見つかりません"},
      {EACCES, 5, FileAccess::kWrite, u"書き込みが許可されていません"},
      {EACCES, 5, FileAccess::kRead, u"読み取りが許可されていません"},
      {ENOSPC, 112, FileAccess::kWrite, u"ディスクがいっぱいです"},
      {EIO, 30, FileAccess::kRead,
       u"読み取りエラー（ディスクやネットワークの状態を確認してください）"},
      {EBUSY, 32, FileAccess::kWrite, u"ほかのプログラムが使用中です"},
      {ENAMETOOLONG, 206, FileAccess::kRead, u"パスが長すぎます"},
      {EROFS, 19, FileAccess::kWrite,
       u"書き込みが許可されていません（読み取り専用のドライブです）"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FileErrorText(FileErrorFromErrno(c.posix), c.access), c.text) << c.posix;
    EXPECT_EQ(FileErrorText(FileErrorFromWindows(c.windows), c.access), c.text) << c.windows;
  }
  EXPECT_EQ(FileErrorFromErrno(0), FileError::kNone);
  EXPECT_EQ(FileErrorText(FileErrorFromErrno(EXDEV), FileAccess::kRead), u"原因不明のエラー");
}

TEST(FileErrorTest, MessagesNameTheFileAndTheReasonOrAHint) {
  EXPECT_EQ(CannotWriteMessage(u"C:\\Q\\G\\X1.TXT", FileError::kDiskFull),
            u"ファイルに書き込めません（ディスクがいっぱいです）: C:\\Q\\G\\X1.TXT");
  EXPECT_EQ(CannotOpenMessage(u"C:\\Q\\G\\X1.TXT", FileError::kAccessDenied, FileAccess::kWrite),
            u"ファイルを開けません（書き込みが許可されていません）: C:\\Q\\G\\X1.TXT");
  EXPECT_EQ(CannotOpenMessage(u"P:\\L4.TXT"), u"ファイルを開けません: P:\\L4.TXT");
  EXPECT_EQ(CannotWriteMessage(u"P:\\L13.TXT"),
            u"ファイルに書き込めません（ディスクの空きや書き込み権限を確認してください）: "
            u"P:\\L13.TXT");
}

TEST(UnquotePathTest, OnlyAPairOfQuotesAroundThePathGoes) {
  const std::pair<std::u16string_view, std::u16string_view> cases[] = {
      {u"\"C:\\a b\\x.txt\"", u"C:\\a b\\x.txt"},
      {u"  \"C:\\x\"  ", u"C:\\x"},
      {u"C:\\x", u"C:\\x"},
      {u"\"C:\\x", u"\"C:\\x"},
      {u"a\"b\"", u"a\"b\""},
      {u"\"", u"\""},
      {u"\"\"", u""},
  };
  for (const auto& [text, path] : cases) EXPECT_EQ(UnquotePath(text), path) << ToHostPath(text);
}

}  // namespace
}  // namespace bc

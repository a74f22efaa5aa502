#include "cli/batch_progress.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "cli/terminal.h"
#include "support/section_fixture.h"
#include "text/utf8.h"

namespace bc {
namespace {

using std::chrono::seconds;

TEST(BatchProgressTest, BarShowsCountTimesAndTheCurrentFile) {
  EXPECT_EQ(BatchProgress::BarText(0, 4, seconds(0), u"a.txt"),
            u"[........................] 0/4 経過 0:00 a.txt");
  EXPECT_EQ(BatchProgress::BarText(1, 4, seconds(30), u"b.txt"),
            u"[######..................] 1/4 経過 0:30 残り 1:30 b.txt");
  EXPECT_EQ(BatchProgress::BarText(4, 4, seconds(3725), u""),
            u"[########################] 4/4 経過 1:02:05");
}

// Without a terminal: one plain line per boring, nothing redrawn.
TEST(BatchProgressTest, PlainLinesWhenNotATerminal) {
  testing::ScratchFolder dir;
  std::filesystem::path log = dir.path() / "log.txt";
  std::FILE* stream = std::fopen(log.string().c_str(), "wb");
  ASSERT_NE(stream, nullptr);
  auto now = std::chrono::steady_clock::time_point();
  BatchProgress progress(stream, false, [&] { return now; });
  BatchResult ok{{"a.txt", u"D:\\o\\a"}, true, {}, {}};
  BatchResult stopped{{"b.txt", u"D:\\o\\b"}, false, {u"message"}, {}};
  progress.Starting(0, 2, ok.item);
  progress.Finished(0, 2, ok);
  progress.Starting(1, 2, stopped.item);
  progress.Finished(1, 2, stopped);
  std::fclose(stream);
  EXPECT_EQ(DecodeFromCodePage(testing::ReadBytes(log), OutputCodePage()),
            u"1/2 変換 a.txt -> D:\\o\\a\n2/2 停止 b.txt -> D:\\o\\b\n");
}

}  // namespace
}  // namespace bc

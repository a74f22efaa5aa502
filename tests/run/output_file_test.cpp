#include "run/output_file.h"

#include <gtest/gtest.h>

#include "run/run_error.h"
#include "support/section_fixture.h"

namespace bc {
namespace {

using testing::ReadBytes;
using testing::ScratchFolder;

TEST(OutputFileTest, FileLeftOpenByAStoppedRunKeepsItsLines) {
  ScratchFolder dir;
  {
    OutputFile out(dir.path() / "X1.TXT", u"D:\\X1.TXT");
    out.WriteLine(u"  1,砂");
  }  // no Close: the run stopped on an error
  EXPECT_EQ(ReadBytes(dir.path() / "X1.TXT"), "  1,\x8D\xBB\r\n");
}

TEST(OutputFileTest, LinesOfEveryLengthFollowOneAnother) {
  ScratchFolder dir;
  OutputFile out(dir.path() / "X1.TXT", u"D:\\X1.TXT");
  out.WriteLine(u"  1,砂質シルト,礫");
  out.WriteLine(u"");
  out.WriteLine(u"2,a");
  out.WriteLine({u"  3", u",", u"", u"砂", std::u16string(u"礫")});
  out.WriteLine({u"", u""});
  out.Close();
  EXPECT_EQ(ReadBytes(dir.path() / "X1.TXT"),
            "  1,\x8D\xBB\x8E\xBF\x83\x56\x83\x8B\x83\x67,\xE2\x49\r\n\r\n2,a\r\n"
            "  3,\x8D\xBB\xE2\x49\r\n\r\n");
}

#ifndef _WIN32
TEST(OutputFileTest, LinkAtTheNameIsNeverWrittenThrough) {
  ScratchFolder dir;
  std::filesystem::path victim = dir.path() / "victim";
  testing::WriteAnsiLines(victim, {u"keep"});
  std::filesystem::create_symlink(victim, dir.path() / "CNT.TXT");
  try {
    OutputFile out(dir.path() / "CNT.TXT", u"D:\\CNT.TXT");
    FAIL() << "opened through a link";
  } catch (const RunError& e) {
    EXPECT_EQ(e.message(), SymlinkOutputMessage(u"D:\\CNT.TXT"));
  }
  EXPECT_EQ(ReadBytes(victim), "keep\r\n");
}
#endif

}  // namespace
}  // namespace bc

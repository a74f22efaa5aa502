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

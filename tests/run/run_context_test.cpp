#include "run/run_context.h"

#include <gtest/gtest.h>

#include "run/run_error.h"
#include "support/section_fixture.h"

namespace bc {
namespace {

TEST(RunContextTest, WhileCodeReadsOnAndStopsAtTheEnd) {
  testing::SectionFixture f;
  RunContext& ctx = f.Start({u"2000 1", u"2000 2", u"2001 x"});
  int calls = 0;
  EXPECT_EQ(ctx.WhileCode(2000, [&] { ++calls; }), Flow::kContinue);
  EXPECT_EQ(calls, 2);
  EXPECT_EQ(ctx.Code(), 2001);
  EXPECT_EQ(ctx.WhileCode(2001, [&] { ++calls; }), Flow::kEnd);
  EXPECT_EQ(calls, 3);
}

TEST(RunContextTest, SkipWhileEndsAtTheEndOfTheSource) {
  testing::SectionFixture f;
  RunContext& ctx = f.Start({u"1 a", u"2 b"});
  EXPECT_EQ(ctx.SkipWhile([](double code) { return code < 3000; }), Flow::kEnd);
  EXPECT_EQ(ctx.record().line_number, 2);
}

TEST(RunContextTest, OutputFilesAreCodePage932WithCrLf) {
  testing::SectionFixture f;
  RunContext& ctx = f.Start({u"1"});
  OutputFile out = ctx.CreateOutput(u"X1.TXT");
  out.WriteLine(u"  1,砂～");
  out.Close();
  EXPECT_EQ(f.OutputBytes(u"X1.TXT"), "  1,\x8D\xBB\x81\x60\r\n");
}

TEST(RunContextTest, Int16OrStopNamesTheLine) {
  EXPECT_EQ(Int16OrStop(2.5), 2);
  EXPECT_THROW(Int16OrStop(40000), RunError);
  std::int16_t counter = 32767;
  EXPECT_THROW(Advance(counter), RunError);
}

}  // namespace
}  // namespace bc

#include "testrecords/merge_test_depths.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "run/run_error.h"
#include "support/section_fixture.h"
#include "testrecords/test_sections.h"

namespace bc {
namespace {

using Lines = std::vector<std::u16string>;
const std::u16string kTail = u"   ,   ,   ,   ,   ,   ";

TEST(MergeTestDepthsTest, EntryJointAndPendingLines) {
  testing::SectionFixture f;
  RunContext& ctx = f.Start({u"3000 1.0 5 6", u"3000 2.0 7 8", u"3000 3.0 -3 9", u"3005 x",
                             u"3010 2.0 4", u"3020 1 1 1"});
  EXPECT_EQ(RunMergedDepthSections(ctx), Flow::kContinue);
  EXPECT_EQ(ctx.Code(), 3020);
  // The entry at 3.0 lies below the last code-3010 record and is still written.
  EXPECT_EQ(f.OutputLines(u"R41.TXT"),
            (Lines{u"  1,      1,   ,  5,  6," + kTail, u"  2,    2.0,  4,  7,  8," + kTail,
                   u"  3,      3,   ,  0,  9," + kTail}));
}

TEST(MergeTestDepthsTest, SingleLinesAboveAndBelowTheEntries) {
  testing::SectionFixture f;
  RunContext& ctx = f.Start({u"3000 0.5 1 2", u"3010 0.25 -1", u"3010 7.5 12", u"3010 99999.99 3"});
  EXPECT_EQ(RunMergedDepthSections(ctx), Flow::kEnd);
  EXPECT_EQ(f.OutputLines(u"R41.TXT"),
            (Lines{u"  1,   0.25,  0,   ,   ," + kTail, u"  2,     .5,   ,  1,  2," + kTail,
                   u"  3,    7.5, 12,   ,   ," + kTail, u"  4,9999.99,  3,   ,   ," + kTail}));
}

TEST(MergeTestDepthsTest, EntriesAloneWhenTheSourceEndsWhileGathering) {
  testing::SectionFixture f;
  RunContext& ctx = f.Start({u"3000 1 1 1", u"3000 2 2 2", u"3000 3 3 3"});
  EXPECT_EQ(RunMergedDepthSections(ctx), Flow::kEnd);
  EXPECT_EQ(f.OutputLines(u"R41.TXT").size(), 3u);
  EXPECT_EQ(f.OutputLines(u"R41.TXT")[2], u"  3,      3,   ,  3,  3," + kTail);
}

TEST(MergeTestDepthsTest, EmptyFileWithoutEitherRecord) {
  testing::SectionFixture f;
  RunContext& ctx = f.Start({u"3020 1 1 1"});
  EXPECT_EQ(RunMergedDepthSections(ctx), Flow::kContinue);
  EXPECT_TRUE(f.OutputExists(u"R41.TXT"));
  EXPECT_EQ(f.OutputBytes(u"R41.TXT"), "");
}

TEST(MergeTestDepthsTest, ARecordBelowTwoHundredEntriesStandsAlone) {
  testing::SectionFixture f;
  Lines source(220, u"3000 1 1 1");
  source.push_back(u"3010 5 1");
  RunContext& ctx = f.Start(source);
  EXPECT_EQ(RunMergedDepthSections(ctx), Flow::kEnd);
  Lines lines = f.OutputLines(u"R41.TXT");
  ASSERT_EQ(lines.size(), 221u);
  EXPECT_EQ(lines[220], u"221,      5,  1,   ,   ," + kTail);
}

TEST(MergeTestDepthsTest, MoreThan250EntriesStopTheRun) {
  testing::SectionFixture f;
  Lines source(251, u"3000 1 1 1");
  source.push_back(u"3010 1 1");
  RunContext& ctx = f.Start(source);
  EXPECT_THROW(RunMergedDepthSections(ctx), RunError);
}

// A record whose depth text happens to read as the flush mark is still a
// line of its own, after the entries above it.
TEST(MergeTestDepthsTest, ARecordAtTheFlushMarkKeepsItsLine) {
  testing::SectionFixture f;
  RunContext& ctx = f.Start({u"3000 4 1 2", u"3010 999999.99 5", u"3020 1 1 1"});
  EXPECT_EQ(RunMergedDepthSections(ctx), Flow::kContinue);
  EXPECT_EQ(f.OutputLines(u"R41.TXT"),
            (Lines{u"  1,      4,   ,  1,  2," + kTail, u"  2,9999.99,  5,   ,   ," + kTail}));
}

// A depth past the single-precision range has no float to compare or print;
// the run stops at its line instead.
TEST(MergeTestDepthsTest, DepthsBeyondSinglePrecisionStopTheRun) {
  for (const Lines& source :
       {Lines{u"3000 1E39 1 1", u"3010 1 1"}, Lines{u"3000 1 1 1", u"3010 -1E39 1"}}) {
    testing::SectionFixture f;
    RunContext& ctx = f.Start(source);
    try {
      RunMergedDepthSections(ctx);
      FAIL() << "no error for a depth beyond single precision";
    } catch (const RunError& error) {
      EXPECT_TRUE(error.at_current_line());
    }
  }
}

}  // namespace
}  // namespace bc

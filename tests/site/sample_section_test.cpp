#include <gtest/gtest.h>

#include <algorithm>

#include "site/sample_line.h"
#include "site/sampler.h"
#include "site/site_sections.h"
#include "support/section_fixture.h"

namespace bc {
namespace {

Record Split(std::u16string_view line) {
  Record record;
  SplitRecord(line, record);
  return record;
}

TEST(SamplerTest, LettersAreCaseSensitive) {
  EXPECT_EQ(SamplerFor(u"T").code, u"01");
  EXPECT_EQ(SamplerFor(u"T").name, u"ｼﾝｳｫｰﾙ");
  EXPECT_EQ(SamplerFor(u"D").code, u"02");
  EXPECT_EQ(SamplerFor(u"D").name, u"ﾃﾞﾆｿﾝ");
  EXPECT_EQ(SamplerFor(u"F").code, u"07");
  EXPECT_EQ(SamplerFor(u"F").name, u"ﾌｫｲﾙ");
  for (std::u16string_view other : {u"t", u"", u"TT", u"Ｔ"}) {
    EXPECT_EQ(SamplerFor(other).code, u"  ");
    EXPECT_EQ(SamplerFor(other).name, u"");
  }
}

TEST(SampleLineTest, LayoutOfAThinWalledSample) {
  std::u16string line = SampleLine(Split(u"3040 1.00 1.50 T"), 1);
  EXPECT_EQ(line.substr(0, 45), u"  1,      ,01,ｼﾝｳｫｰﾙ,   1.00,   1.50,   ,   ,");
  EXPECT_EQ(line.size(), 344u);
  EXPECT_EQ(std::count(line.begin(), line.end(), u','), 67);
  EXPECT_EQ(line.substr(45, 6), u"  ,  ,");
  EXPECT_EQ(line.substr(105, 4), u" , ,");
  EXPECT_EQ(line.substr(line.size() - 19), u"         ,         ");
}

TEST(SampleLineTest, CountersAndDepthsAreRightFitted) {
  Record record = Split(u"3040 123456.789 2 t");
  EXPECT_EQ(SampleLine(record, 10).substr(0, 4), u" 10,");
  EXPECT_EQ(SampleLine(record, 100).substr(0, 4), u"100,");
  EXPECT_EQ(SampleLine(record, 1000).substr(0, 4), u"000,");
  // Unknown sampler: two-space code, empty name, then the depths.
  EXPECT_EQ(SampleLine(record, 1).substr(0, 35), u"  1,      ,  ,,456.789,      2,   ,");
}

TEST(SampleSectionTest, NumbersTheSamplesAndStopsAtAnotherCode) {
  testing::SectionFixture f;
  RunContext& ctx = f.Start({u"3040 1.00 1.50 D", u"3040.0 2.00 2.50 F", u"3050 x"});
  EXPECT_EQ(RunSampleSection(ctx), Flow::kContinue);
  EXPECT_EQ(ctx.Code(), 3050);
  std::vector<std::u16string> lines = f.OutputLines(u"X6.TXT");
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_TRUE(lines[0].starts_with(u"  1,      ,02,ﾃﾞﾆｿﾝ,   1.00,   1.50,   ,"));
  EXPECT_TRUE(lines[1].starts_with(u"  2,      ,07,ﾌｫｲﾙ,   2.00,   2.50,   ,"));
}

TEST(SampleSectionTest, EmptyFileWithoutSamplesAndEndAtTheLastRecord) {
  testing::SectionFixture f;
  RunContext& ctx = f.Start({u"3070 1.00 A"});
  EXPECT_EQ(RunSampleSection(ctx), Flow::kContinue);
  EXPECT_TRUE(f.OutputExists(u"X6.TXT"));
  EXPECT_EQ(f.OutputBytes(u"X6.TXT"), "");

  testing::SectionFixture g;
  RunContext& last = g.Start({u"3040 1.00 1.50 T"});
  EXPECT_EQ(RunSampleSection(last), Flow::kEnd);
  EXPECT_EQ(g.OutputLines(u"X6.TXT").size(), 1u);
}

}  // namespace
}  // namespace bc

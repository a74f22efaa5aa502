#include "soil/soil_sections.h"

#include <gtest/gtest.h>

#include "run/run_error.h"
#include "soil/soil_layer_line.h"
#include "support/section_fixture.h"

namespace bc {
namespace {

using Lines = std::vector<std::u16string>;

TEST(SoilSectionsTest, SoilLayerLinesWithTheirPatternCodes) {
  testing::SectionFixture f;
  f.WritePatdat(u"KISHITU.TXT", {u"5001,砂,,,,0000"});
  f.WritePatdat(u"XKISHITU.TXT", {u"2000,礫"});
  RunContext& ctx = f.Start({u"2000 1.5 砂", u"2000 123456789 粘土", u"2000 9999 砂", u"2001 1"});
  EXPECT_EQ(RunSoilLayerSection(ctx), Flow::kContinue);
  EXPECT_EQ(ctx.Code(), 2001);
  EXPECT_EQ(f.OutputLines(u"X1.TXT"),
            (Lines{u"  1,    1.5,5001,砂", u"  2,3456789,2001,粘土", u"  3,    0.0,5001,砂"}));
  // The new name reached both lists when the section ended.
  EXPECT_EQ(f.PatdatLines(u"XKISHITU.TXT"), (Lines{u"2000,礫", u"2001,粘土,    ,    ,    ,0000"}));
  EXPECT_EQ(f.PatdatLines(u"KISHITU.TXT").back(), u"2001,粘土,    ,    ,    ,0000");
}

TEST(SoilSectionsTest, SectionsCreateTheirFilesEvenWithoutRecords) {
  testing::SectionFixture f;
  RunContext& ctx = f.Start({u"3000 1", u"3010 2"});
  LayerTable layers;
  EXPECT_EQ(RunSoilLayerSection(ctx), Flow::kContinue);
  EXPECT_EQ(RunLayerDetailSection(ctx, layers), Flow::kContinue);
  EXPECT_EQ(RunLayerTextSection(ctx, layers), Flow::kContinue);
  for (const char16_t* name : {u"X1.TXT", u"X3.TXT", u"R31.TXT", u"R32.TXT", u"R33.TXT", u"R34.TXT",
                               u"R35.TXT", u"X12.TXT"}) {
    EXPECT_EQ(f.OutputBytes(name), "");
  }
  EXPECT_EQ(ctx.Code(), 3000);
}

TEST(SoilSectionsTest, SourceEndingOnALayerEndsTheRun) {
  testing::SectionFixture f;
  f.WritePatdat(u"KISHITU.TXT", {u"5001,砂,,,,0000"});
  RunContext& ctx = f.Start({u"2000 1 砂"});
  EXPECT_EQ(RunSoilLayerSection(ctx), Flow::kEnd);
  EXPECT_EQ(f.OutputLines(u"X1.TXT"), (Lines{u"  1,      1,5001,砂"}));
}

TEST(SoilSectionsTest, LayerNumbersKeepTheirLastThreeDigitsAndStopPast32767) {
  testing::SectionFixture f;
  f.WritePatdat(u"KISHITU.TXT", {u"5001,砂,,,,0000"});
  RunContext& ctx = f.Start({u"2000 1 砂"});
  OutputFile out(f.output_folder() / "X1.TXT", u"X1.TXT");
  std::int16_t counter = 1000;
  WriteSoilLayerLine(ctx, out, counter, u"1", u"砂");
  counter = 32767;
  EXPECT_THROW(WriteSoilLayerLine(ctx, out, counter, u"2", u"砂"), RunError);
  out.Close();
  EXPECT_EQ(f.OutputLines(u"X1.TXT"), (Lines{u"000,      1,5001,砂", u"767,      2,5001,砂"}));
}

}  // namespace
}  // namespace bc

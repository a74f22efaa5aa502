#include "soil/layer_attribute_lines.h"

#include <gtest/gtest.h>

#include "run/run_error.h"
#include "support/section_fixture.h"

namespace bc {
namespace {

using Lines = std::vector<std::u16string>;

class LayerAttributeLinesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char16_t* name : {u"L13.TXT", u"L14.TXT", u"L15.TXT", u"L16.TXT", u"L17.TXT"}) {
      f.WritePatdat(name, {});
    }
  }

  // Writes the lines of one source record of code 2001 and returns R31..R35.
  std::vector<Lines> Run(const Lines& source) {
    ctx = &f.Start(source);
    std::vector<OutputFile> files;
    AttributeFiles out;
    for (int a = 1; a <= kAttributeCount; ++a) {
      files.push_back(ctx->CreateOutput(u"R3" + std::u16string(1, char16_t(u'0' + a)) + u".TXT"));
    }
    for (int a = 0; a < kAttributeCount; ++a) out.files[a] = &files[a];
    while (true) {
      WriteLayerAttributeLines(*ctx, out, ctx->record());
      if (ctx->AtEnd()) break;
      ctx->Next();
    }
    std::vector<Lines> result;
    for (int a = 0; a < kAttributeCount; ++a) {
      files[a].Close();
      result.push_back(f.OutputLines(u"R3" + std::u16string(1, char16_t(u'1' + a)) + u".TXT"));
    }
    return result;
  }

  testing::SectionFixture f;
  RunContext* ctx = nullptr;  // of the last Run
};

TEST_F(LayerAttributeLinesTest, KnownHalvesTakeTheLastMatchingCodeInFullWidth) {
  f.WritePatdat(u"L13.TXT", {u"3,ＡＢ", u"7,硬い", u"5,AB"});
  f.WritePatdat(u"L17.TXT", {u"4,spare,湿潤"});
  auto r = Run({u"2001 1.50 x x ＡＢ～硬い  x x 湿潤"});
  EXPECT_EQ(r[0], (Lines{u"  1,   1.50,5,ＡＢ,7,硬い"}));
  EXPECT_EQ(r[4], (Lines{u"  1,   1.50,4,湿潤,  ,"}));
  // Empty attributes still give a line each, and nothing is appended.
  EXPECT_EQ(r[1], (Lines{u"  1,   1.50,  ,,  ,"}));
  EXPECT_EQ(f.PatdatLines(u"L13.TXT"), (Lines{u"3,ＡＢ", u"7,硬い", u"5,AB"}));
  EXPECT_EQ(f.PatdatLines(u"L14.TXT"), Lines{});
}

TEST_F(LayerAttributeLinesTest, NewHalvesGetTheNextCodes) {
  f.WritePatdat(u"L14.TXT", {u"9,緩い"});
  auto r = Run({u"2001 2 x x 中位 密～密 x N10 締まった～中位", u"2001 3 x x x 密 x N10 中位"});
  EXPECT_EQ(r[0], (Lines{u"  1,      2, 1,中位,  ,", u"  2,      3, 2,x,  ,"}));
  // Both halves new and equal: two consecutive codes; later the last one wins.
  EXPECT_EQ(r[1], (Lines{u"  1,      2,10,密,11,密", u"  2,      3,11,密,  ,"}));
  EXPECT_EQ(f.PatdatLines(u"L14.TXT"), (Lines{u"9,緩い", u"10,密", u"11,密"}));
  // A code found in the table is shown as read, without the blank it was
  // written with.
  EXPECT_EQ(r[2], (Lines{u"  1,      2, 1,x,  ,", u"  2,      3,1,x,  ,"}));
  // A half with half-width capitals and digits finds its own earlier line.
  EXPECT_EQ(r[3], (Lines{u"  1,      2, 1,N10,  ,", u"  2,      3,1,N10,  ,"}));
  EXPECT_EQ(f.PatdatLines(u"L16.TXT"), (Lines{u" 1,N10"}));
  // The spare field of attribute 5's table is six spaces.
  EXPECT_EQ(r[4], (Lines{u"  1,      2, 1,締まった, 2,中位", u"  2,      3,2,中位,  ,"}));
  EXPECT_EQ(f.PatdatLines(u"L17.TXT"), (Lines{u" 1,      ,締まった", u" 2,      ,中位"}));
}

TEST_F(LayerAttributeLinesTest, EmptyHalvesTakeNoCodeFromAnEntryWithoutName) {
  f.WritePatdat(u"L13.TXT", {u"20,灰", u"21"});
  f.WritePatdat(u"L14.TXT", {u"5,\"\""});
  f.WritePatdat(u"L17.TXT", {u"3,      ,"});
  auto r = Run({u"2001 1.0 0 砂 灰 _  _ ～"});
  EXPECT_EQ(r[0], (Lines{u"  1,    1.0,20,灰,  ,"}));
  EXPECT_EQ(r[1], (Lines{u"  1,    1.0,  , ,  ,"}));
  EXPECT_EQ(r[2], (Lines{u"  1,    1.0,  ,,  ,"}));
  EXPECT_EQ(r[4], (Lines{u"  1,    1.0,  ,,  ,"}));
  EXPECT_EQ(f.PatdatLines(u"L14.TXT"), (Lines{u"5,\"\""}));
}

TEST_F(LayerAttributeLinesTest, NoCodeBeyond99) {
  f.WritePatdat(u"L13.TXT", {u"99,既知"});
  auto r = Run({u"2001 1 x x 新規～既知"});
  EXPECT_EQ(r[0], (Lines{u"  1,      1,  ,新規,99,既知"}));
  EXPECT_EQ(f.PatdatLines(u"L13.TXT"), (Lines{u"99,既知"}));
  std::vector<std::u16string> warnings = ctx->full_tables.Warnings();
  ASSERT_EQ(warnings.size(), 1u);
  EXPECT_EQ(warnings[0].rfind(u"P:\\L13.TXT: ", 0), 0u);
  EXPECT_NE(warnings[0].find(u" 1 件"), std::u16string::npos);
}

TEST_F(LayerAttributeLinesTest, MissingTableStopsTheRun) {
  std::filesystem::remove(f.PatdatPath(u"L15.TXT"));
  EXPECT_THROW(Run({u"2001 1 x x a b c d e"}), RunError);
}

}  // namespace
}  // namespace bc

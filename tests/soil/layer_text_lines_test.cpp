#include "soil/layer_text_lines.h"

#include <gtest/gtest.h>

#include "run/run_error.h"
#include "soil/soil_sections.h"
#include "support/section_fixture.h"
#include "text/str_form.h"

namespace bc {
namespace {

using Lines = std::vector<std::u16string>;

// A layer-detail record with the layer's bottom depth and its text count.
std::u16string Detail(std::u16string depth, std::u16string count) {
  return u"2001 " + depth + u" x @ a b c d e x " + count;
}

// An expected X12.TXT line; bytes is the text's width in code-page bytes.
std::u16string Line(int number, std::u16string_view depth, std::u16string_view text,
                    std::size_t bytes) {
  return RightFit(StrInteger(number), 3) + u"," + RightFit(depth, 7) + u",\"" +
         std::u16string(text) + std::u16string(255 - bytes, u' ') + u"\"";
}

std::u16string Line(int number, std::u16string_view depth, std::u16string_view ascii) {
  return Line(number, depth, ascii, ascii.size());
}

class LayerTextSectionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char16_t* name : {u"L13.TXT", u"L14.TXT", u"L15.TXT", u"L16.TXT", u"L17.TXT"}) {
      f.WritePatdat(name, {});
    }
  }

  // Runs the layer-detail and layer-text sections over the source lines.
  Flow Run(const Lines& source) {
    RunContext& ctx = f.Start(source);
    LayerTable layers;
    Flow flow = RunLayerDetailSection(ctx, layers);
    if (flow == Flow::kEnd) return flow;
    return RunLayerTextSection(ctx, layers);
  }

  testing::SectionFixture f;
};

TEST(AdvanceTextDepthTest, StepsLoseAHundredthWhereTheFloatLiesBelow) {
  float depth = 0;
  Lines shown;
  for (int i = 0; i < 6; ++i) shown.push_back(StrSingle(depth = AdvanceTextDepth(depth)));
  EXPECT_EQ(shown, (Lines{u" .08", u" .15", u" .23", u" .31", u" .39", u" .46"}));
  EXPECT_EQ(StrSingle(AdvanceTextDepth(2.5f)), u" 2.58");
  EXPECT_EQ(StrSingle(AdvanceTextDepth(AdvanceTextDepth(2.5f))), u" 2.65");
  EXPECT_EQ(StrSingle(AdvanceTextDepth(0.7f)), u" .77");
}

TEST_F(LayerTextSectionTest, FirstTextAtTheTopLaterOnesOneStepLower) {
  EXPECT_EQ(Run({Detail(u"2.5", u"1"), Detail(u"4", u"3"), u"2002 砂層", u"2002 T1", u"2002 T2",
                 u"2002 T3", u"3000 1"}),
            Flow::kContinue);
  EXPECT_EQ(f.OutputLines(u"X12.TXT"), (Lines{Line(1, u" 0", u"砂層", 4), Line(2, u" 2.5", u"T1"),
                                              Line(3, u" 2.58", u"T2"), Line(4, u" 2.65", u"T3")}));
}

TEST_F(LayerTextSectionTest, ContinuationMarksJoinTheHeldText) {
  Run({Detail(u"1", u"2"), Detail(u"2", u"3"), u"2002 T1", u"2002 ￥T2", u"2002 T1", u"2002 T2",
       u"2002 \\T3", u"3000"});
  // T1 was written at once, so T2 has nothing to join and stands alone.
  EXPECT_EQ(f.OutputLines(u"X12.TXT"), (Lines{Line(1, u" 0", u"T1"), Line(2, u" .08", u"T2"),
                                              Line(3, u" 1", u"T1"), Line(4, u" 1.08", u"T2T3")}));
}

TEST_F(LayerTextSectionTest, LongTextsAreCutInto255BytePieces) {
  std::u16string long_text = std::u16string(255, u'a') + std::u16string(255, u'b') + u"cc";
  // 2 bytes, then double-byte characters: the 128th would straddle the limit.
  std::u16string kanji = u"xy" + std::u16string(130, u'漢');
  Run({Detail(u"1", u"1"), Detail(u"2", u"2"), u"2002 " + long_text, u"2002 " + kanji, u"2002 @",
       u"3000"});
  EXPECT_EQ(
      f.OutputLines(u"X12.TXT"),
      (Lines{Line(1, u" 0", std::u16string(255, u'a')), Line(2, u" .08", std::u16string(255, u'b')),
             Line(3, u" .15", u"cc"), Line(4, u" 1", u"xy" + std::u16string(126, u'漢'), 254),
             Line(5, u" 1.08", std::u16string(4, u'漢'), 8)}));
}

TEST_F(LayerTextSectionTest, BracketDepthAppliesToTheRestOfTheLayer) {
  Run({Detail(u"5", u"3"), u"2002 [3.2]上部", u"2002 中部", u"2002 下部", u"3000"});
  EXPECT_EQ(f.OutputLines(u"X12.TXT"),
            (Lines{Line(1, u"3.2", u"上部", 4), Line(2, u" 3.28", u"中部", 4),
                   Line(3, u" 3.35", u"下部", 4)}));
}

TEST_F(LayerTextSectionTest, LayersWithoutTextsConsumeNothing) {
  // Layer 1 has no texts; layer 2 meets a record of another code.
  Run({Detail(u"1", u"0"), Detail(u"2", u"1"), Detail(u"3", u"1"), u"2002 A", u"2003 B"});
  EXPECT_EQ(f.OutputLines(u"X12.TXT"), (Lines{Line(1, u" 1", u"A")}));
}

TEST_F(LayerTextSectionTest, HeldTextIsWrittenWhenTheSourceEndsAmongTheTexts) {
  EXPECT_EQ(Run({Detail(u"1", u"5"), u"2002 A", u"2002 B"}), Flow::kEnd);
  EXPECT_EQ(f.OutputLines(u"X12.TXT"), (Lines{Line(1, u" 0", u"A"), Line(2, u" .08", u"B")}));
}

TEST_F(LayerTextSectionTest, ExactWidthIsOnePieceAndALongTextAtABracketDepthIsCutAtOnce) {
  std::u16string exact(255, u'e');
  std::u16string long_text = std::u16string(255, u'a') + std::u16string(255, u'b') +
                             std::u16string(90, u'c');  // 600 bytes
  Run({Detail(u"1", u"1"), Detail(u"3", u"2"), u"2002 " + exact, u"2002 [2.0]" + long_text,
       u"2002 T", u"3000"});
  EXPECT_EQ(f.OutputLines(u"X12.TXT"),
            (Lines{Line(1, u" 0", exact), Line(2, u"2.0", std::u16string(255, u'a')),
                   Line(3, u" 2.08", std::u16string(255, u'b')),
                   Line(4, u" 2.15", std::u16string(90, u'c')), Line(5, u" 2.23", u"T")}));
}

TEST_F(LayerTextSectionTest, RecordAfterTheLastLayersTextsStaysCurrent) {
  RunContext& ctx = f.Start({Detail(u"1", u"2"), u"2002 A", u"3000 X", u"2002 B", u"3010"});
  LayerTable layers;
  ASSERT_EQ(RunLayerDetailSection(ctx, layers), Flow::kContinue);
  // The second text is taken whatever its code; the record after it is next.
  EXPECT_EQ(RunLayerTextSection(ctx, layers), Flow::kContinue);
  EXPECT_EQ(ctx.record().Field(2), u"B");
  EXPECT_EQ(f.OutputLines(u"X12.TXT"), (Lines{Line(1, u" 0", u"A"), Line(2, u" .08", u"X")}));
}

TEST_F(LayerTextSectionTest, TextLineCounterPast32767StopsTheRun) {
  f.Start({u"2002"});
  OutputFile out(f.output_folder() / "X12.TXT", u"X12.TXT");
  LayerTextState state;
  state.counter = 32767;
  state.depth_text = u" 0";
  EXPECT_THROW(WriteLayerTextLines(out, state, u"A"), RunError);
}

TEST_F(LayerTextSectionTest, DepthsBeyondSinglePrecisionStopTheRun) {
  // Whether the reading overflows float or double, no depth is made up.
  EXPECT_THROW(Run({Detail(u"1E39", u"0")}), RunError);
  EXPECT_THROW(Run({Detail(u"1E999", u"0")}), RunError);
  EXPECT_THROW(Run({Detail(u"1", u"1"), u"2002 [-1E999]x"}), RunError);
}

TEST_F(LayerTextSectionTest, MoreThan250LayersStopTheRun) {
  Lines source(251, Detail(u"1", u"0"));
  EXPECT_THROW(Run(source), RunError);
}

}  // namespace
}  // namespace bc

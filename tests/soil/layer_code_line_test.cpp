#include "soil/layer_code_line.h"

#include <gtest/gtest.h>

#include "support/section_fixture.h"

namespace bc {
namespace {

const std::vector<CodeName> kTable = {
    {u"1", u"砂"}, {u"12", u"礫"}, {u"123", u"粘"}, {u"0", u"土"}, {u"99", u"砂"}};

TEST(LayerCodeGroupTest, FirstThreeCharactersInOrderOfTheirSlots) {
  EXPECT_EQ(LayerCodeGroup(u"砂礫粘", kTable), u"011223");
  EXPECT_EQ(LayerCodeGroup(u"砂x粘礫礫", kTable), u"0123  ");  // unknown x leaves no slot
  EXPECT_EQ(LayerCodeGroup(u"土砂", kTable), u"  01  ");       // code 0 keeps its slot, blank
  EXPECT_EQ(LayerCodeGroup(u"", kTable), u"      ");
}

TEST(LayerCodeLineTest, LinesAndTheRangeMark) {
  testing::SectionFixture f;
  f.Start({u"2001"});
  OutputFile out(f.output_folder() / "X3.TXT", u"X3.TXT");
  std::int16_t counter = 1;
  WriteLayerCodeLine(out, counter, u"1.5", u"砂礫～粘土", kTable);
  WriteLayerCodeLine(out, counter, u"2", u"   ", kTable);  // blank: no line, no number
  WriteLayerCodeLine(out, counter, u"12345678", u"礫", kTable);
  WriteLayerCodeLine(out, counter, u"3", u"砂～", kTable);
  out.Close();
  EXPECT_EQ(counter, 4);
  EXPECT_EQ(f.OutputLines(u"X3.TXT"),
            (std::vector<std::u16string>{u"  1,    1.5,0112  ,砂礫,23    ,粘土,～",
                                         u"  2,2345678,12    ,礫,      ,,",
                                         u"  3,      3,01    ,砂,      ,,"}));
}

}  // namespace
}  // namespace bc

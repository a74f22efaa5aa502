#include "site/sample_line.h"

#include "site/sampler.h"
#include "text/str_form.h"

namespace bc {
namespace {

std::u16string Repeat(std::u16string_view piece, int times) {
  std::u16string text;
  for (int i = 0; i < times; ++i) text += piece;
  return text;
}

// The columns after the two depths are left empty but keep their widths.
const std::u16string& EmptyColumns() {
  static const std::u16string columns = u"   ,   ," + Repeat(u"  ,", 20) + Repeat(u" ,", 20) +
                                        Repeat(u"         ,", 19) + u"         ";
  return columns;
}

}  // namespace

std::u16string SampleLine(const Record& record, std::int16_t number) {
  Sampler sampler = SamplerFor(record.Field(4));
  std::u16string line = RightFit(StrInteger(number), 3);
  line += u",      ,";
  line += sampler.code + u"," + sampler.name + u",";
  line += RightFit(record.Field(2), 7) + u",";
  line += RightFit(record.Field(3), 7) + u",";
  line += EmptyColumns();
  return line;
}

}  // namespace bc

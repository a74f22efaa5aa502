#include "testrecords/coded_name_line.h"

#include "testrecords/coded_name_table.h"
#include "testrecords/line_number_column.h"
#include "text/fixed_width.h"
#include "text/numeric.h"
#include "text/str_form.h"
#include "text/width.h"

namespace bc {

CodedNames SplitCodedNames(std::u16string_view field) {
  std::size_t at = field.find(u'／');
  if (at == std::u16string_view::npos) return {u"", ToHalfWidth(field)};
  return {ToHalfWidth(field.substr(0, at)), ToHalfWidth(field.substr(at + 1))};
}

void WriteCodedNameLine(RunContext& ctx, OutputFile& out, std::int16_t& counter, Record& record) {
  CodedNames names = SplitCodedNames(record.Field(5));
  std::u16string first_code = LookUpCodedName(ctx, u"L18.TXT", names.first);
  std::u16string second_code = LookUpCodedName(ctx, u"L18B.TXT", names.second);
  if (NumericValue(record.Field(3)) < 0) record.MutableField(3) = u"  ";
  out.WriteLine({LineNumberColumn(counter), u",", RightFit(record.Field(2), 7), u",",
                 RightFit(record.Field(3), 3), u",", RightFit(first_code, 2), u",", names.first,
                 u",", RightFit(second_code, 2), u",", names.second, u",",
                 FitToWidth(record.Field(4), 30)});
  Advance(counter);
}

}  // namespace bc

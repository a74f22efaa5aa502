#include "testrecords/dated_depth_line.h"

#include <string>

#include "run/run_context.h"
#include "testrecords/line_number_column.h"
#include "text/numeric.h"
#include "text/str_form.h"
#include "text/trim.h"

namespace bc {
namespace {

bool NotGiven(const std::u16string& field) { return NumericValue(field) == -1; }

// "4" gives "04", " 12" gives "12"; a longer text keeps its last two.
void ToTwoDigits(std::u16string& field) {
  field = RightFit(u"00" + std::u16string(TrimLeftBlanks(field)), 2);
}

}  // namespace

void WriteDatedDepthLine(OutputFile& out, std::int16_t& counter, Record& record,
                         const ReadingYears& years, DateMode mode) {
  std::u16string& month = record.MutableField(3);
  std::u16string& day = record.MutableField(4);
  const std::u16string& year = years.YearOf(NumericValue(month), NumericValue(day));
  if (mode == DateMode::kGuarded) {
    if (NotGiven(month) || NotGiven(day)) return;
  } else {
    if (NotGiven(month)) month = u"00";
    if (NotGiven(day)) day = u"00";
  }
  ToTwoDigits(month);
  ToTwoDigits(day);
  out.WriteLine({LineNumberColumn(counter), u",", TrimLeftBlanks(year), u"/", month, u"/", day,
                 u",", RightFit(record.Field(2), 7)});
  Advance(counter);
}

}  // namespace bc

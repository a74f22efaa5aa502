#include "testrecords/value_group_lines.h"

#include <cmath>
#include <string>

#include "run/run_context.h"
#include "testrecords/line_number_column.h"
#include "text/concat.h"
#include "text/fixed_width.h"
#include "text/numeric.h"
#include "text/str_form.h"
#include "text/trim.h"

namespace bc {
namespace {

constexpr char16_t kRangeMark = u'～';

bool HasRange(const std::u16string& field) {
  return field.find(kRangeMark) != std::u16string::npos;
}

// A range keeps the text before its first "～".
void CutAtRange(std::u16string& field) {
  std::size_t at = field.find(kRangeMark);
  if (at != std::u16string::npos) field.erase(at);
}

std::u16string DepthColumns(std::int16_t counter, const Record& record) {
  return Concat({LineNumberColumn(counter), u",", RightFit(record.Field(2), 7), u","});
}

// Hundredths of depth per minute for a field 5 in seconds, rounded half up:
// the interval is held in single precision, and so is its product by 100.
double RateOf(float interval, double seconds) {
  if (!(seconds > 0)) return 0;
  float hundredths = interval * 100.0f;
  return std::floor(static_cast<double>(hundredths) / (seconds / 60) + 0.5);
}

}  // namespace

void WriteRateLine(OutputFile& out, std::int16_t& counter, Record& record, float previous_depth) {
  std::u16string& seconds = record.MutableField(5);
  if (IsBlankText(seconds)) return;
  CutAtRange(seconds);
  float interval =
      SingleOrStop(NumericValue(record.Field(2)) - static_cast<double>(previous_depth));
  double rate = RateOf(interval, NumericValue(seconds));
  out.WriteLine({DepthColumns(counter, record), RightFit(StrDouble(rate), 3), u",",
                 FormatFixed2(5, interval), u",", RightFit(seconds, 4)});
  Advance(counter);
}

void WriteReadingLine(OutputFile& out, std::int16_t& counter, Record& record) {
  std::u16string& first = record.MutableField(6);
  std::u16string& second = record.MutableField(7);
  if (IsBlankText(first) && IsBlankText(second)) return;
  CutAtRange(first);
  CutAtRange(second);
  out.WriteLine({DepthColumns(counter, record), RightFit(first, 3), u",", RightFit(second, 3)});
  Advance(counter);
}

void WriteRangeLines(OutputFile& g81, OutputFile& g82, std::int16_t& counter,
                     const Record& record) {
  const std::u16string& low = record.Field(9);
  const std::u16string& high = record.Field(11);
  if (IsBlankText(record.Field(8)) && IsBlankText(low) && IsBlankText(high)) return;
  std::u16string range = high;
  if (!IsBlankText(record.Field(10))) range = record.Field(10) + u"・" + high;
  g81.WriteLine({DepthColumns(counter, record), record.Field(8), u",", low, u",", range});
  std::u16string width = u"   ";
  if (!HasRange(high) && !HasRange(low)) {
    width = RightFit(StrDouble(NumericValue(high) - NumericValue(low)), 3);
  }
  g82.WriteLine({DepthColumns(counter, record), width});
  Advance(counter);
}

}  // namespace bc

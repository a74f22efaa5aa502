#include "site/blow_count_line.h"

#include <algorithm>

#include "run/run_context.h"
#include "text/concat.h"
#include "text/numeric.h"
#include "text/str_form.h"

namespace bc {
namespace {

// Sums three stage fields from first on, rounding the running total into
// 16 bits after each addition. A stage of -1 was not measured and counts,
// and is written, as 0.
std::int16_t SumStages(Record& record, int first) {
  std::int16_t sum = 0;
  for (int i = first; i < first + 3; ++i) {
    double stage = NumericValue(record.Field(i));
    if (stage == -1) {
      record.MutableField(i) = u'0';
      stage = 0;
    }
    sum = Int16OrStop(sum + stage);
  }
  return sum;
}

// The N column is three characters wide; a larger N would lose its first
// digit and read as a soft layer.
constexpr int kLargestN = 999;

// The blows scaled to 30 of penetration, in integers so that a length that
// does not divide 30 scales exactly; the fraction is dropped.
std::int16_t NValue(std::int16_t blows, std::int16_t length) {
  int n = length == 0 ? blows : 30 * blows / length;
  return static_cast<std::int16_t>(std::min(n, kLargestN));
}

std::u16string R3(std::u16string_view text) { return RightFit(text, 3); }

}  // namespace

std::optional<std::u16string> BlowCountLine(Record& record, std::int16_t number) {
  // Both depths are tested in single precision; one beyond it stops the run
  // like every other single conversion.
  float top = FieldSingleOrStop(record, 2);
  float bottom = FieldSingleOrStop(record, 3);
  if (top == 0.0f && bottom == 0.0f) return std::nullopt;
  std::int16_t blows = SumStages(record, 7);
  std::int16_t length = SumStages(record, 4);
  std::u16string line = Concat({R3(StrInteger(number)), u",", RightFit(record.Field(2), 7), u",",
                                R3(StrInteger(blows)), u",", R3(StrInteger(NValue(blows, length))),
                                u",", R3(StrInteger(length))});
  line.reserve(line.size() + 3 * 8);  // the stages below
  for (int k = 4; k <= 6; ++k) {
    line += u',';
    line += R3(record.Field(k + 3));
    line += u',';
    line += R3(record.Field(k));
  }
  return line;
}

}  // namespace bc

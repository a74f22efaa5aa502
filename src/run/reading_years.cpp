#include "run/reading_years.h"

#include <cmath>

#include "text/numeric.h"
#include "text/str_form.h"
#include "text/trim.h"

namespace bc {
namespace {

// value as a calendar field from 1 to last, or 0 when it is none.
int CalendarField(double value, int last) {
  if (!(value >= 1 && value <= last) || std::trunc(value) != value) return 0;
  return static_cast<int>(value);
}

}  // namespace

ReadingYears ReadingYears::Spanning(const std::u16string& first_year, double first_month,
                                    double first_day, const std::u16string& second_year) {
  ReadingYears years(first_year);
  double first = NumericValue(first_year);
  double second = NumericValue(second_year);
  years.first_month_ = CalendarField(first_month, 12);
  years.first_day_ = CalendarField(first_day, 31);
  if (first > 0 && second > 0 && first != second && years.first_month_ != 0 &&
      years.first_day_ != 0) {
    years.next_ = std::u16string(TrimBlanks(StrDouble(first + 1)));
  }
  return years;
}

const std::u16string& ReadingYears::YearOf(double month, double day) const {
  if (next_.empty()) return first_;
  int m = CalendarField(month, 12);
  int d = CalendarField(day, 31);
  if (m == 0 || d == 0) return first_;
  bool before = m < first_month_ || (m == first_month_ && d < first_day_);
  return before ? next_ : first_;
}

}  // namespace bc

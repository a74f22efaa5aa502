// The years of the dated readings of N9.TXT and N8.TXT. A boring drilled
// into a new year dates its readings after the turn of the year in that
// year, not in the year it started.
#ifndef BORINGCONV_RUN_READING_YEARS_H_
#define BORINGCONV_RUN_READING_YEARS_H_

#include <string>

namespace bc {

class ReadingYears {
 public:
  // Every reading in year ("0" when the title block gives none).
  explicit ReadingYears(std::u16string year = u"0") : first_(std::move(year)) {}

  // A boring from first_month/first_day of first_year into a later year:
  // readings before that month and day fall in first_year + 1.
  // first_year and second_year are texts of whole numbers above 0.
  static ReadingYears Spanning(const std::u16string& first_year, double first_month,
                               double first_day, const std::u16string& second_year);

  // The year text of a reading on month and day as the record gives them
  // (-1, or anything that is no calendar month or day, means not given).
  const std::u16string& YearOf(double month, double day) const;

 private:
  std::u16string first_;
  std::u16string next_;  // empty when every reading falls in first_
  int first_month_ = 0;
  int first_day_ = 0;
};

}  // namespace bc

#endif  // BORINGCONV_RUN_READING_YEARS_H_

#include "run/reading_years.h"

#include <gtest/gtest.h>

#include "titles/title_outputs.h"

namespace bc {
namespace {

// Title lines 4 to 7 as the header pass leaves them.
ReadingYears FromTitle(const char16_t* first_year, const char16_t* month, const char16_t* day,
                       const char16_t* second_year) {
  TitleBlocks t;
  t.block1[4] = first_year;
  t.block1[5] = month;
  t.block1[6] = day;
  t.block1[7] = second_year;
  return ReadingYearsOf(t);
}

TEST(ReadingYearsTest, ReadingsAfterTheTurnOfTheYearTakeTheNextYear) {
  ReadingYears years = FromTitle(u"2017", u"12", u"26", u"2018");
  struct Case {
    double month, day;
    const char16_t* year;
  };
  const Case cases[] = {
      {12, 26, u"2017"}, {12, 31, u"2017"}, {1, 4, u"2018"}, {12, 25, u"2018"}, {-1, 4, u"2017"},
      {1, -1, u"2017"},  {-1, -1, u"2017"}, {0, 0, u"2017"}, {13, 1, u"2017"},  {1.5, 4, u"2017"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.month) + "/" + std::to_string(c.day));
    EXPECT_EQ(years.YearOf(c.month, c.day), c.year);
  }
}

TEST(ReadingYearsTest, OneYearOrUnknownDatesKeepTheFirstYear) {
  const ReadingYears cases[] = {
      FromTitle(u"2017", u"12", u"26", u"2017"),  // one year
      FromTitle(u"2017", u"12", u"26", u" "),     // no second year
      FromTitle(u"2017", u" ", u"26", u"2018"),   // no first month
      FromTitle(u"2017", u"12", u" ", u"2018"),   // no first day
      FromTitle(u"2017", u"12", u"26", u"20.5"),  // not a whole year
  };
  for (const ReadingYears& years : cases) EXPECT_EQ(years.YearOf(1, 4), u"2017");
  EXPECT_EQ(FromTitle(u" ", u"12", u"26", u"2018").YearOf(1, 4), u"0");
  EXPECT_EQ(ReadingYears().YearOf(1, 4), u"0");
}

}  // namespace
}  // namespace bc

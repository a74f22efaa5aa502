#include "run/full_tables.h"

#include <gtest/gtest.h>

namespace bc {
namespace {

// A name met on many lines is one name for the user to see to.
TEST(FullTablesTest, OneWarningPerTableCountingDistinctNames) {
  FullTables full;
  EXPECT_TRUE(full.Warnings().empty());
  full.CountName(u"P:\\L19.TXT", u"花崗岩");
  full.CountName(u"P:\\L13.TXT", u"砂");
  full.CountName(u"P:\\L19.TXT", u"粘土");
  full.CountName(u"P:\\L13.TXT", u"砂");
  full.CountName(u"P:\\L19.TXT", u"花崗岩");
  std::vector<std::u16string> warnings = full.Warnings();
  ASSERT_EQ(warnings.size(), 2u);
  EXPECT_EQ(warnings[0].rfind(u"P:\\L19.TXT: ", 0), 0u);
  EXPECT_NE(warnings[0].find(u" 2 件"), std::u16string::npos);
  EXPECT_EQ(warnings[1].rfind(u"P:\\L13.TXT: ", 0), 0u);
  EXPECT_NE(warnings[1].find(u" 1 件"), std::u16string::npos);
}

}  // namespace
}  // namespace bc

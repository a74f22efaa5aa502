#include "run/code_growth.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "environment/environment.h"
#include "run/memory_file_system.h"

namespace bc {
namespace {

using Codes = std::vector<std::u16string>;
using Form = CodeGrowth::Form;

struct GrowthCase {
  const char* table;  // the table's bytes before the run
  Form form;
  Codes codes;        // given to the names "n1", "n2", ... in turn
  const char* after;  // the table's bytes after the run
  int counted;        // names the full table could not code
};

// Every growing table (L13-L17, L18/L18B, L19) codes by this one rule: the
// two forms, the last free code 99, and a table already full.
const GrowthCase kCases[] = {
    {"", Form::kBlankPadded, {u" 1", u" 2"}, " 1,n1\r\n 2,n2\r\n", 0},
    {"7,a\r\n", Form::kZeroPadded, {u"08", u"09", u"10"}, "7,a\r\n08,n1\r\n09,n2\r\n10,n3\r\n", 0},
    {" 9,a\r\n x,b\r\n", Form::kBlankPadded, {u"10"}, " 9,a\r\n x,b\r\n10,n1\r\n", 0},
    {"98,a\r\n", Form::kBlankPadded, {u"99", u"  ", u"  "}, "98,a\r\n99,n1\r\n", 2},
    // 99 is the last two-digit code: no "100", no "00" in R72.TXT.
    {"99,a\r\n", Form::kZeroPadded, {u"  ", u"  "}, "99,a\r\n", 2},
    {"98.6,a\r\n", Form::kZeroPadded, {u"  "}, "98.6,a\r\n", 1},
    {"150,a\r\n3,b\r\n", Form::kBlankPadded, {u"  "}, "150,a\r\n3,b\r\n", 1},
    {"-4,a\r\n", Form::kZeroPadded, {u"01"}, "-4,a\r\n01,n1\r\n", 0},
};

TEST(CodeGrowthTest, OneRuleForEveryGrowingTable) {
  for (const GrowthCase& c : kCases) {
    SCOPED_TRACE(c.table);
    Environment env(DriveMap(), "/mem");
    env.drives().Map(u'P', "/mem/p");
    MemoryFileSystem memory;
    memory.AddFolder("/mem/p");
    memory.SetFile("/mem/p/L18.TXT", c.table);
    FullTables full;
    {
      PatternStore store(env, u"P:\\", memory);
      CodeGrowth growth(store, u"L18.TXT", full, c.form);
      for (std::size_t i = 0; i < c.codes.size(); ++i) {
        EXPECT_EQ(growth.Add(u"n" + std::u16string(1, static_cast<char16_t>(u'1' + i))), c.codes[i])
            << i;
      }
    }
    EXPECT_EQ(memory.GetFile("/mem/p/L18.TXT").value_or("?"), c.after);
    std::vector<std::u16string> warnings = full.Warnings();
    ASSERT_EQ(warnings.size(), c.counted > 0 ? 1u : 0u);
    if (c.counted > 0) {
      EXPECT_NE(warnings[0].find(u" " + std::u16string(1, static_cast<char16_t>(u'0' + c.counted)) +
                                 u" 件"),
                std::u16string::npos);
    }
  }
}

}  // namespace
}  // namespace bc

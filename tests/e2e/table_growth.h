// Judges what runs sharing a pattern-data folder made of a growing table
// against what the same runs one after another could have made of it.
#ifndef BORINGCONV_TESTS_E2E_TABLE_GROWTH_H_
#define BORINGCONV_TESTS_E2E_TABLE_GROWTH_H_

#include <map>
#include <set>
#include <string>
#include <vector>

#include "e2e/growing_boring.h"

namespace bc::testing {

struct TableGrowth {
  std::vector<std::string> added;       // the new lines in file order, code page 932
  std::map<std::u16string, int> codes;  // name → code of every new line
  std::vector<std::string> faults;      // each broken rule, for a failure message
};

// The rules: the old lines stand as they were (new lines only at the place a
// run inserts them), every line is whole code page 932 text ended by CR LF
// in the table's layout, no name is added twice, every added name is one of
// names, and the new codes run on one by one from the code a serial run
// would give first (not for KISHITU.TXT, whose codes come from XKISHITU.TXT).
// With all_added, every one of names must be there.
TableGrowth CheckTableGrowth(const GrowingTable& table, const std::string& before,
                             const std::string& after, const std::set<std::u16string>& names,
                             bool all_added);

// The names of both growing boring tables, per table file, over many borings.
std::map<std::string, std::set<std::u16string>> NamesByTable(
    const std::vector<GrowingBoring>& borings);

}  // namespace bc::testing

#endif  // BORINGCONV_TESTS_E2E_TABLE_GROWTH_H_

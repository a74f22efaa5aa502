// The one rule by which the growing code tables of the pattern-data folder
// (L13.TXT to L17.TXT, L18.TXT, L18B.TXT and L19.TXT) code a name met for
// the first time: one above the table's highest code, appended to the table,
// so that the name keeps its code from one boring to the next. Codes are two
// characters wide in the tables and in the files that show them, so a table
// whose highest code is 99 is full: a new name then keeps a blank code and is
// counted for the warning at the end of the run.
#ifndef BORINGCONV_RUN_CODE_GROWTH_H_
#define BORINGCONV_RUN_CODE_GROWTH_H_

#include <optional>
#include <string>
#include <string_view>

#include "run/full_tables.h"
#include "run/pattern_store.h"

namespace bc {

inline constexpr std::u16string_view kNoCode = u"  ";
inline constexpr int kHighestCode = 99;

class CodeGrowth {
 public:
  // How a code below 10 is written: " 7" (L13.TXT to L17.TXT, L19.TXT) or
  // "07" (L18.TXT, L18B.TXT).
  enum class Form { kBlankPadded, kZeroPadded };

  CodeGrowth(PatternStore& store, std::u16string_view table, FullTables& full, Form form)
      : store_(store), table_(table), full_(full), form_(form) {}

  // Gives a new name the next free code and appends the code, ",", and item
  // (the rest of the entry) to the table; kNoCode, counted, when it is full.
  // The table's highest code is read on the first call only.
  std::u16string Add(std::u16string_view item);

 private:
  PatternStore& store_;
  std::u16string table_;
  FullTables& full_;
  Form form_;
  std::optional<int> next_;
};

}  // namespace bc

#endif  // BORINGCONV_RUN_CODE_GROWTH_H_

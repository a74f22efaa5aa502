// The growing code tables that ran out of two-character codes during a run:
// their new names keep a blank code, and the user is told so at the end.
#ifndef BORINGCONV_RUN_FULL_TABLES_H_
#define BORINGCONV_RUN_FULL_TABLES_H_

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace bc {

class FullTables {
 public:
  // One more name of this run that table (its shown name) had no code for.
  void CountName(std::u16string_view table);

  // One warning per full table, in the order they were first met; empty
  // when every name got a code.
  std::vector<std::u16string> Warnings() const;

 private:
  std::vector<std::pair<std::u16string, long>> counts_;
};

}  // namespace bc

#endif  // BORINGCONV_RUN_FULL_TABLES_H_

// The growing code tables that ran out of two-character codes during a run:
// their new names keep a blank code, and the user is told so at the end.
#ifndef BORINGCONV_RUN_FULL_TABLES_H_
#define BORINGCONV_RUN_FULL_TABLES_H_

#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace bc {

class FullTables {
 public:
  // A name of this run that table (its shown name) had no code for. A name
  // met again counts once: the user has that many names to see to.
  void CountName(std::u16string_view table, std::u16string_view name);

  // One warning per full table with its count of distinct names, in the
  // order the tables were first met; empty when every name got a code.
  std::vector<std::u16string> Warnings() const;

 private:
  struct Table {
    std::u16string name;
    std::set<std::u16string> names;
  };
  std::vector<Table> tables_;
};

}  // namespace bc

#endif  // BORINGCONV_RUN_FULL_TABLES_H_

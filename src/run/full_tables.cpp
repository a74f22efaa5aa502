#include "run/full_tables.h"

#include "text/str_form.h"
#include "text/trim.h"

namespace bc {

void FullTables::CountName(std::u16string_view table) {
  for (auto& [name, count] : counts_) {
    if (name == table) {
      ++count;
      return;
    }
  }
  counts_.emplace_back(std::u16string(table), 1);
}

std::vector<std::u16string> FullTables::Warnings() const {
  std::vector<std::u16string> warnings;
  for (const auto& [name, count] : counts_) {
    warnings.push_back(name + u": コードの空きがないため、この変換で " +
                       std::u16string(TrimBlanks(StrInteger(count))) +
                       u" 件の名前にコードを付けられませんでした（コードは空白です）。");
  }
  return warnings;
}

}  // namespace bc

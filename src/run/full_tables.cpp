#include "run/full_tables.h"

#include "text/str_form.h"
#include "text/trim.h"

namespace bc {

void FullTables::CountName(std::u16string_view table, std::u16string_view name) {
  for (Table& full : tables_) {
    if (full.name == table) {
      full.names.emplace(name);
      return;
    }
  }
  tables_.push_back({std::u16string(table), {std::u16string(name)}});
}

std::vector<std::u16string> FullTables::Warnings() const {
  std::vector<std::u16string> warnings;
  for (const Table& full : tables_) {
    auto count = static_cast<long long>(full.names.size());
    warnings.push_back(full.name + u": コードの空きがないため、この変換で " +
                       std::u16string(TrimBlanks(StrInteger(count))) +
                       u" 件の名前にコードを付けられませんでした（コードは空白です）。");
  }
  return warnings;
}

}  // namespace bc

#include "site/name_code_table.h"

#include <string>

#include "run/code_growth.h"
#include "run/run_context.h"
#include "text/trim.h"

namespace bc {
namespace {

constexpr TableKey kNameKey{1, TableKey::Width::kFull};

// The code of the last entry named name; an empty part is no name: it must
// not take the code of an entry that lacks its name.
void LookUp(PatternTable& table, const std::u16string& name, std::u16string& code) {
  if (name.empty()) return;
  std::vector<PatternTable::EntryId> found = table.Find(kNameKey, name);
  if (!found.empty()) code = table.Item(found.back(), 0);
}

void AddName(CodeGrowth& growth, const std::u16string& name, std::u16string& code) {
  if (!IsBlankText(name) && IsBlankText(code)) code = growth.Add(name);
}

}  // namespace

NamePairCodes CodeNamePair(PatternStore& store, std::u16string_view table, const NamePair& pair,
                           FullTables& full) {
  PatternTable& entries = store.Table(table);
  // A code beyond 16 bits stops the run, as the table's reader always did.
  if (double highest = entries.HighestCode(); highest > 0) Int16OrStop(highest);
  NamePairCodes codes;
  LookUp(entries, pair.first, codes.first);
  LookUp(entries, pair.second, codes.second);

  // A range of one new name to itself takes two entries under consecutive
  // codes, as the attribute tables of the layers do.
  CodeGrowth growth(store, table, full, CodeGrowth::Form::kBlankPadded);
  AddName(growth, pair.first, codes.first);
  AddName(growth, pair.second, codes.second);
  return codes;
}

}  // namespace bc

#include "site/name_code_table.h"

#include <cstdint>
#include <string>

#include "run/run_context.h"
#include "text/free_format.h"
#include "text/numeric.h"
#include "text/str_form.h"
#include "text/trim.h"
#include "text/width.h"

namespace bc {
namespace {

// Codes are two characters wide in the table and in R30.TXT.
constexpr int kCodeLimit = 100;

constexpr TableKey kNameKey{1, TableKey::Width::kFull};

// The code of the last entry named name; an empty part is no name: it must
// not take the code of an entry that lacks its name.
void LookUp(PatternTable& table, const std::u16string& name, std::u16string& code) {
  if (name.empty()) return;
  std::vector<PatternTable::EntryId> found = table.Find(kNameKey, name);
  if (!found.empty()) code = table.Item(found.back(), 0);
}

// Gives name the next free code and records it in the table.
void AddName(PatternStore& store, std::u16string_view table, const std::u16string& name,
             std::u16string& code, int& next, FullTables& full) {
  if (IsBlankText(name) || !IsBlankText(code)) return;
  if (next >= kCodeLimit) {
    full.CountName(store.ShownName(table), name);
    return;
  }
  code = RightFit(StrInteger(next), 2);
  store.Append(table, code + u"," + name);
  ++next;
}

}  // namespace

NamePairCodes CodeNamePair(PatternStore& store, std::u16string_view table, const NamePair& pair,
                           FullTables& full) {
  PatternTable& entries = store.Table(table);
  // A code beyond 16 bits stops the run, as the table's reader always did.
  double value = entries.HighestCode();
  std::int16_t highest = value > 0 ? Int16OrStop(value) : 0;
  NamePairCodes codes;
  LookUp(entries, pair.first, codes.first);
  LookUp(entries, pair.second, codes.second);

  int next = highest + 1;
  // A range of one new name to itself takes two entries under consecutive
  // codes, as the attribute tables of the layers do.
  AddName(store, table, pair.first, codes.first, next, full);
  AddName(store, table, pair.second, codes.second, next, full);
  return codes;
}

}  // namespace bc

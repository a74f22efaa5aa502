#include "site/name_code_table.h"

#include <cstdint>
#include <string>

#include "run/run_context.h"
#include "run/table_file.h"
#include "text/free_format.h"
#include "text/numeric.h"
#include "text/str_form.h"
#include "text/trim.h"
#include "text/width.h"

namespace bc {
namespace {

// Codes are two characters wide in the table and in R30.TXT.
constexpr int kCodeLimit = 100;

// Gives name the next free code and records it in the table.
void AddName(const std::filesystem::path& host, std::u16string_view shown_name,
             const std::u16string& name, std::u16string& code, int& next, FullTables& full) {
  if (IsBlankText(name) || !IsBlankText(code)) return;
  if (next >= kCodeLimit) {
    full.CountName(shown_name);
    return;
  }
  code = RightFit(StrInteger(next), 2);
  AppendTableLine(host, shown_name, code + u"," + name);
  ++next;
}

}  // namespace

NamePairCodes CodeNamePair(const std::filesystem::path& host, std::u16string_view shown_name,
                           const NamePair& pair, FullTables& full) {
  NamePairCodes codes;
  std::int16_t highest = 0;
  for (const std::vector<std::u16string>& entry : ReadTableEntries(host, shown_name)) {
    std::u16string code = ItemOrEmpty(entry, 0);
    double value = NumericValue(code);
    if (value > highest) highest = Int16OrStop(value);
    // An empty part is no name: it must not take the code of an entry
    // that lacks its name.
    std::u16string name = ToFullWidth(ItemOrEmpty(entry, 1));
    if (!pair.first.empty() && name == pair.first) codes.first = code;
    if (!pair.second.empty() && name == pair.second) codes.second = code;
  }

  int next = highest + 1;
  // A range of one new name to itself takes two entries under consecutive
  // codes, as the attribute tables of the layers do.
  AddName(host, shown_name, pair.first, codes.first, next, full);
  AddName(host, shown_name, pair.second, codes.second, next, full);
  return codes;
}

}  // namespace bc

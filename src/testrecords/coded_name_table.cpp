#include "testrecords/coded_name_table.h"

#include "run/code_growth.h"
#include "text/trim.h"
#include "text/width.h"

namespace bc {
namespace {

// A name that free-format reading would cut or trim is quoted, so that the
// next lookup finds it instead of appending it again.
std::u16string TableItem(std::u16string_view name) {
  bool plain = name.find_first_of(u",\"") == std::u16string_view::npos &&
               TrimBlanks(name).size() == name.size() && name.find(u'\t') != 0;
  if (plain || name.find(u'"') != std::u16string_view::npos) return std::u16string(name);
  return u"\"" + std::u16string(name) + u"\"";
}

constexpr TableKey kNameKey{1, TableKey::Width::kHalf};

}  // namespace

std::u16string LookUpCodedName(RunContext& ctx, std::u16string_view table,
                               std::u16string_view name) {
  if (IsBlankText(name)) return std::u16string(kNoCode);
  PatternTable& entries = ctx.store().Table(table);
  // The first entry of the name wins.
  std::vector<PatternTable::EntryId> found = entries.Find(kNameKey, name);
  if (!found.empty()) return entries.Item(found.front(), 0);
  return CodeGrowth(ctx.store(), table, ctx.full_tables, CodeGrowth::Form::kZeroPadded)
      .Add(TableItem(name));
}

}  // namespace bc

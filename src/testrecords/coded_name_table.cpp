#include "testrecords/coded_name_table.h"

#include <cstdio>

#include "text/free_format.h"
#include "text/numeric.h"
#include "text/trim.h"
#include "text/width.h"

namespace bc {
namespace {

constexpr std::u16string_view kBlankCode = u"  ";

std::u16string TwoDigits(double code) {
  char text[32];
  std::snprintf(text, sizeof text, "%02.0f", code);
  return std::u16string(text, text + std::char_traits<char>::length(text));
}

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
  if (IsBlankText(name)) return std::u16string(kBlankCode);
  PatternTable& entries = ctx.store().Table(table);
  // The first entry of the name wins.
  std::vector<PatternTable::EntryId> found = entries.Find(kNameKey, name);
  if (!found.empty()) return entries.Item(found.front(), 0);
  double highest = entries.HighestCode() > 0 ? RoundHalfEven(entries.HighestCode()) : 0;
  if (highest >= 100) {
    ctx.full_tables.CountName(ctx.PatdatName(table), name);
    return std::u16string(kBlankCode);
  }
  std::u16string code = TwoDigits(highest + 1);
  ctx.store().Append(table, code + u"," + TableItem(name));
  return code;
}

}  // namespace bc

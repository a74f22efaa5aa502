// The growing code table L19.TXT of the pattern-data folder: names of
// code-3070 records and their codes, so that a name keeps its code from one
// boring to the next.
#ifndef BORINGCONV_SITE_NAME_CODE_TABLE_H_
#define BORINGCONV_SITE_NAME_CODE_TABLE_H_

#include <string_view>

#include "run/full_tables.h"
#include "run/pattern_store.h"
#include "site/name_pair.h"

namespace bc {

// Looks both names up in the table (compared in full-width form, the last
// matching entry wins) and gives each name not found a code by the rule of
// CodeGrowth (" 7"). Found codes are returned as read. A missing table stops
// the run.
NamePairCodes CodeNamePair(PatternStore& store, std::u16string_view table, const NamePair& pair,
                           FullTables& full);

}  // namespace bc

#endif  // BORINGCONV_SITE_NAME_CODE_TABLE_H_

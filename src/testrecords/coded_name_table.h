// The growing name tables L18.TXT and L18B.TXT of the pattern-data folder:
// a name keeps its two-digit code from one boring to the next.
#ifndef BORINGCONV_TESTRECORDS_CODED_NAME_TABLE_H_
#define BORINGCONV_TESTRECORDS_CODED_NAME_TABLE_H_

#include <string>
#include <string_view>

#include "run/run_context.h"

namespace bc {

// The code of name (in half-width form) in the table, compared with each
// entry's name in half-width form. A name not yet there is given a code by
// the rule of CodeGrowth ("07", "10"; "  " once the table holds 99). A blank
// name gets "  " and opens no table. A missing table stops the run with a
// message naming it.
std::u16string LookUpCodedName(RunContext& ctx, std::u16string_view table,
                               std::u16string_view name);

}  // namespace bc

#endif  // BORINGCONV_TESTRECORDS_CODED_NAME_TABLE_H_

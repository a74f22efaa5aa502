// The site and sample sections of a run: X6.TXT (code 3040), R30.TXT (code
// 3070) and X5.TXT (code 4000).
#ifndef BORINGCONV_SITE_SITE_SECTIONS_H_
#define BORINGCONV_SITE_SITE_SECTIONS_H_

#include "run/run_context.h"

namespace bc {

Flow RunSampleSection(RunContext& ctx);
Flow RunNamePairSection(RunContext& ctx);
Flow RunBlowCountSection(RunContext& ctx);

}  // namespace bc

#endif  // BORINGCONV_SITE_SITE_SECTIONS_H_

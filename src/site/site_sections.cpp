#include "site/site_sections.h"

namespace bc {

// Placeholders until the site writers exist: the records are read past.
Flow RunSampleSection(RunContext& ctx) { return ctx.WhileCode(3040, [] {}); }
Flow RunNamePairSection(RunContext& ctx) { return ctx.WhileCode(3070, [] {}); }
Flow RunBlowCountSection(RunContext& ctx) { return ctx.WhileCode(4000, [] {}); }

}  // namespace bc

// The test-record sections of a run, in their order: the depth table and
// R41.TXT (codes 3000 and 3010), N9.TXT (3020), X7.TXT (3030), the Lugeon
// files (4010 and 4011), N8.TXT with the G files (5000) and R72.TXT (5010).
#ifndef BORINGCONV_TESTRECORDS_TEST_SECTIONS_H_
#define BORINGCONV_TESTRECORDS_TEST_SECTIONS_H_

#include "run/run_context.h"

namespace bc {

// Starts at the first record of code 3000 or more: gathers the code-3000
// records, reads on to code 3010 or more and writes R41.TXT.
Flow RunMergedDepthSections(RunContext& ctx);
Flow RunDatedDepthSection(RunContext& ctx);
Flow RunIntervalSection(RunContext& ctx);
Flow RunLugeonSections(RunContext& ctx);
// Starts at the first record of code 5000 or more.
Flow RunCode5000Section(RunContext& ctx);
Flow RunCodedNameSection(RunContext& ctx);

}  // namespace bc

#endif  // BORINGCONV_TESTRECORDS_TEST_SECTIONS_H_

// The test-record sections of a run, in their order: the depth table and
// R41.TXT (codes 3000 and 3010), N9.TXT (3020), X7.TXT (3030), the Lugeon
// files (4010 and 4011), N8.TXT with the G files (5000) and R72.TXT (5010).
// Each starts at the current record, creates its files even when it has no
// record, and returns Flow::kEnd when the source ended inside it (its files
// written and closed), else Flow::kContinue at the first record of another
// code.
#ifndef BORINGCONV_TESTRECORDS_TEST_SECTIONS_H_
#define BORINGCONV_TESTRECORDS_TEST_SECTIONS_H_

#include "run/run_context.h"

namespace bc {

// Starts at the first record of code 3000 or more: gathers the code-3000
// records, reads on to code 3010 or more and writes R41.TXT. When the source
// ends before a code-3010 record, R41.TXT is written from the gathered
// entries if there are any.
Flow RunMergedDepthSections(RunContext& ctx);
// N9.TXT, dated with ctx.reading_years.
Flow RunDatedDepthSection(RunContext& ctx);
// X7.TXT from the code-3030 records and the kinds of ctx.tables.l8.
Flow RunIntervalSection(RunContext& ctx);
// PCNT.TXT with the .HED and .TMP files of each test, then the .GRA files.
Flow RunLugeonSections(RunContext& ctx);
// Starts at the first record of code 5000 or more: N8.TXT, G71.TXT, G73.TXT,
// G81.TXT and G82.TXT.
Flow RunCode5000Section(RunContext& ctx);
// R72.TXT, growing L18.TXT and L18B.TXT.
Flow RunCodedNameSection(RunContext& ctx);

}  // namespace bc

#endif  // BORINGCONV_TESTRECORDS_TEST_SECTIONS_H_

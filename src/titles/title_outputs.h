// The header block of a source file and the files written from it:
// CNT.TXT from the destination path, TITL01.TXT and TITL02.TXT from the
// title blocks.
#ifndef BORINGCONV_TITLES_TITLE_OUTPUTS_H_
#define BORINGCONV_TITLES_TITLE_OUTPUTS_H_

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "run/reading_years.h"
#include "run/record.h"
#include "run/run_context.h"

namespace bc {

struct TitleBlocks {
  // Slots 1 to 50; slot 0 is not used.
  std::array<std::u16string, 51> block1;
  std::array<std::u16string, 51> block2;
};

// The L1.TXT entries, read when a code-1013 record needs them.
using L1Loader = std::function<std::vector<CodeName>()>;

// Stores the values of one header record (999 < code < 2000) into the blocks.
void ApplyHeaderRecord(const Record& record, TitleBlocks& titles, const L1Loader& load_l1);

// The year for dated lists: line 4 of the first title block, trimmed, when
// it is a whole number above 0; "0" otherwise.
std::u16string DateYear(const TitleBlocks& titles);

// The header section: the current record is the one after the tag line. Reads
// the header records (999 < code < 2000) into the title blocks, sets
// ctx.reading_years, and writes CNT.TXT for destination and the title files, also
// when the source ends among the header records (then Flow::kEnd). Otherwise
// passes over the records below code 2000 that follow, stopping at the last
// line without ending the run.
Flow RunHeaderSection(RunContext& ctx, const std::u16string& destination, double deepest);

// The years of the dated lists: DateYear, and for a boring whose second date
// (line 7) has another whole year above 0, the year after it for readings
// before the first date's month and day (lines 5 and 6).
ReadingYears ReadingYearsOf(const TitleBlocks& titles);

// Writes "CNT.TXT" from the validated destination ("C:\Q\ABCDEF\G\").
void WriteControlFile(const RunContext& ctx, const std::u16string& destination);

// Writes "TITL01.TXT" (lines 1 to 23) and "TITL02.TXT" (lines 1 to 41).
void WriteTitleFiles(const RunContext& ctx, const TitleBlocks& titles);

}  // namespace bc

#endif  // BORINGCONV_TITLES_TITLE_OUTPUTS_H_

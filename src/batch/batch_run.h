// Converting the borings of a batch one after another: a boring that stops
// does not stop the batch, and what each run said is kept for the summary.
#ifndef BORINGCONV_BATCH_BATCH_RUN_H_
#define BORINGCONV_BATCH_BATCH_RUN_H_

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "batch/batch_plan.h"
#include "environment/file_error.h"
#include "run/file_system.h"
#include "run/run_ui.h"

namespace bc {

struct BatchResult {
  BatchItem item;
  bool converted = false;
  std::vector<std::u16string> messages;  // what the run showed, in order
  std::vector<std::u16string> warnings;  // said after a successful end
};

// Told about each boring as the batch goes.
class BatchObserver {
 public:
  virtual ~BatchObserver() = default;
  virtual void Starting(std::size_t index, std::size_t total, const BatchItem& item) = 0;
  virtual void Finished(std::size_t index, std::size_t total, const BatchResult& result) = 0;
};

// Converts one boring, talking to the user through ui; true on success.
using ConvertOne = std::function<bool(const BatchItem& item, RunUi& ui)>;

// Converts every item in order; an item with a problem stops with it,
// without a run. The question whether to create a missing destination
// folder is answered with create_folders.
std::vector<BatchResult> RunBatch(const std::vector<BatchItem>& items, const ConvertOne& convert,
                                  bool create_folders, BatchObserver& observer);

// The closing summary: how many converted, stopped, warned and passed over;
// each stopped boring with its file (full path) and message; each boring
// with warnings followed by them, one to an indented line; each file passed
// over with the reason. Lines end in "\n".
std::u16string BatchSummary(const std::vector<BatchResult>& results,
                            const std::vector<SkippedFile>& skipped = {});

// The summary file ROOT\変換結果.txt.
inline constexpr char16_t kSummaryFileName[] = u"変換結果.txt";

// Writes text into folder as the summary file, in Shift_JIS with CR LF line
// ends, replacing an earlier one (never through a link). Returns the
// system's reason when it cannot be written, kNone when it was.
FileError WriteSummaryFile(FileSystem& fs, const std::filesystem::path& folder,
                           std::u16string_view text);

// The warning for a batch root too shallow for CNT.TXT: its first two lines
// take the second and third folder below the drive ("C:\Q\ABCDEF\G" gives
// "ABCD" and "G"), so ROOT needs two folders (C:\Q\SITE) for the borings'
// names to land where the plotting system expects them. Empty for a root
// deep enough. first is the first boring's folder, shown as an example.
std::u16string ShallowRootWarning(std::u16string_view root, std::u16string_view first);

}  // namespace bc

#endif  // BORINGCONV_BATCH_BATCH_RUN_H_

// Converting the borings of a batch one after another: a boring that stops
// does not stop the batch, and what each run said is kept for the summary.
#ifndef BORINGCONV_BATCH_BATCH_RUN_H_
#define BORINGCONV_BATCH_BATCH_RUN_H_

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "batch/batch_plan.h"
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

// Converts every item in order. The question whether to create a missing
// destination folder is answered with create_folders.
std::vector<BatchResult> RunBatch(const std::vector<BatchItem>& items, const ConvertOne& convert,
                                  bool create_folders, BatchObserver& observer);

// The closing summary: how many converted and stopped, each stopped boring
// with its file and message, then the warnings. Lines end in "\n".
std::u16string BatchSummary(const std::vector<BatchResult>& results);

}  // namespace bc

#endif  // BORINGCONV_BATCH_BATCH_RUN_H_

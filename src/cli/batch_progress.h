// The batch's progress on standard error: a bar redrawn in place on a
// terminal, one line per boring otherwise (logs, pipes).
#ifndef BORINGCONV_CLI_BATCH_PROGRESS_H_
#define BORINGCONV_CLI_BATCH_PROGRESS_H_

#include <chrono>
#include <cstdio>
#include <functional>
#include <string>

#include "batch/batch_run.h"

namespace bc {

class BatchProgress : public BatchObserver {
 public:
  using Clock = std::function<std::chrono::steady_clock::time_point()>;

  // interactive: redraw a bar; otherwise print a line per finished boring.
  BatchProgress(std::FILE* stream, bool interactive, Clock clock = std::chrono::steady_clock::now);

  void Starting(std::size_t index, std::size_t total, const BatchItem& item) override;
  void Finished(std::size_t index, std::size_t total, const BatchResult& result) override;

  // The bar's text for done of total borings after elapsed, naming current.
  static std::u16string BarText(std::size_t done, std::size_t total, std::chrono::seconds elapsed,
                                std::u16string_view current);

 private:
  std::chrono::seconds Elapsed() const;

  std::FILE* stream_;
  bool interactive_;
  Clock clock_;
  std::chrono::steady_clock::time_point start_;
};

}  // namespace bc

#endif  // BORINGCONV_CLI_BATCH_PROGRESS_H_

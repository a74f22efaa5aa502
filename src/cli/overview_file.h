// The overview of a batch as an SVG file: every boring of the batch side by
// side, each converted one as its run left it, each stopped one as an empty
// slot saying why.
#ifndef BORINGCONV_CLI_OVERVIEW_FILE_H_
#define BORINGCONV_CLI_OVERVIEW_FILE_H_

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "batch/batch_run.h"
#include "environment/environment.h"
#include "picture/overview_layout.h"
#include "picture/picture_files.h"

namespace bc {

// Watches the batch: notes a boring's picture files before its run and
// reads what the run wrote as soon as it ends, passing each event on to
// next. The picture is written after the last boring.
class OverviewFile : public BatchObserver {
 public:
  // make_folder: the file's folder may be made when missing.
  OverviewFile(const Environment& env, std::filesystem::path svg, bool make_folder,
               BatchObserver& next);

  void Starting(std::size_t index, std::size_t total, const BatchItem& item) override;
  void Finished(std::size_t index, std::size_t total, const BatchResult& result) override;

  // Writes the SVG. Returns the message of a failure, the first of reading
  // a boring's files included.
  std::optional<std::u16string> Write() const;

 private:
  const Environment& env_;
  std::filesystem::path svg_;
  bool make_folder_;
  BatchObserver& next_;
  std::optional<FreshPictureFiles> fresh_;
  std::vector<OverviewBoring> borings_;
  std::optional<std::u16string> failure_;
};

}  // namespace bc

#endif  // BORINGCONV_CLI_OVERVIEW_FILE_H_

// Tells an output file that a run wrote from one that an earlier run left
// behind: a run that ends early leaves the later files unchanged, and the
// picture must not show them as the new boring.
#ifndef BORINGCONV_PICTURE_FRESH_OUTPUT_H_
#define BORINGCONV_PICTURE_FRESH_OUTPUT_H_

#include <filesystem>

namespace bc {

class FreshOutput {
 public:
  // Notes the file's state now, before the run.
  explicit FreshOutput(std::filesystem::path file);

  // The file exists and was created or rewritten since construction.
  bool Written() const;
  const std::filesystem::path& file() const { return file_; }

 private:
  std::filesystem::path file_;
  bool existed_ = false;
  std::filesystem::file_time_type before_{};
  std::filesystem::file_time_type start_{};
};

}  // namespace bc

#endif  // BORINGCONV_PICTURE_FRESH_OUTPUT_H_

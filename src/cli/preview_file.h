// The picture of a converted boring as an SVG file beside its conversion.
#ifndef BORINGCONV_CLI_PREVIEW_FILE_H_
#define BORINGCONV_CLI_PREVIEW_FILE_H_

#include <filesystem>
#include <optional>
#include <string>

#include "picture/picture_files.h"

namespace bc {

// Notes the output folder's picture files before a run, so that the picture
// shows only what this run wrote.
class PreviewFile {
 public:
  PreviewFile(const std::filesystem::path& output_folder, std::filesystem::path svg);

  // Writes the SVG after a successful run. Returns the message of a failure.
  std::optional<std::u16string> Write() const;

 private:
  std::filesystem::path output_folder_;
  std::filesystem::path svg_;
  FreshPictureFiles fresh_;
};

}  // namespace bc

#endif  // BORINGCONV_CLI_PREVIEW_FILE_H_

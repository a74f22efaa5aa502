#include "cli/preview_file.h"

#include "picture/boring_profile.h"
#include "picture/svg_picture.h"
#include "run/run_error.h"

namespace bc {

PreviewFile::PreviewFile(const std::filesystem::path& output_folder, std::filesystem::path svg)
    : output_folder_(output_folder), svg_(std::move(svg)), fresh_(output_folder) {}

std::optional<std::u16string> PreviewFile::Write() const {
  try {
    std::error_code ec;
    if (svg_.has_parent_path()) std::filesystem::create_directories(svg_.parent_path(), ec);
    WritePictureSvg(ReadBoringProfile(fresh_.Written(), FolderName(output_folder_)), svg_);
  } catch (const RunError& error) {
    return error.message();
  }
  return std::nullopt;
}

}  // namespace bc

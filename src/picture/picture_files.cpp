#include "picture/picture_files.h"

namespace bc {
namespace {

std::filesystem::path IfWritten(const FreshOutput& output) {
  return output.Written() ? output.file() : std::filesystem::path();
}

}  // namespace

PictureFiles PictureFilesIn(const std::filesystem::path& folder) {
  return {folder / "TITL02.TXT", folder / "X1.TXT", folder / "X5.TXT"};
}

FreshPictureFiles::FreshPictureFiles(const std::filesystem::path& folder)
    : FreshPictureFiles(PictureFilesIn(folder)) {}

FreshPictureFiles::FreshPictureFiles(const PictureFiles& files)
    : titles_(files.titles), layers_(files.layers), blows_(files.blows) {}

PictureFiles FreshPictureFiles::Written() const {
  return {IfWritten(titles_), IfWritten(layers_), IfWritten(blows_)};
}

}  // namespace bc

// The output files a picture is made from, and telling those a run wrote
// from those an earlier run left in the same folder.
#ifndef BORINGCONV_PICTURE_PICTURE_FILES_H_
#define BORINGCONV_PICTURE_PICTURE_FILES_H_

#include <filesystem>

#include "picture/fresh_output.h"

namespace bc {

// An empty path stands for a file not to be read.
struct PictureFiles {
  std::filesystem::path titles;  // TITL02.TXT: the boring's name on line 1
  std::filesystem::path layers;  // X1.TXT
  std::filesystem::path blows;   // X5.TXT
};

PictureFiles PictureFilesIn(const std::filesystem::path& folder);

// Notes the picture files of a folder before a run; afterwards gives only
// those the run wrote, since a run that ends early leaves the later files
// of an earlier run in place.
class FreshPictureFiles {
 public:
  explicit FreshPictureFiles(const std::filesystem::path& folder);

  PictureFiles Written() const;

 private:
  explicit FreshPictureFiles(const PictureFiles& files);

  FreshOutput titles_;
  FreshOutput layers_;
  FreshOutput blows_;
};

}  // namespace bc

#endif  // BORINGCONV_PICTURE_PICTURE_FILES_H_

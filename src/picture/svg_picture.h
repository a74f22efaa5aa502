// The picture as an SVG 1.1 file: UTF-8, every primitive of the drawing in
// order, each tagged with a class naming its role ("layer", "n-point"...).
#ifndef BORINGCONV_PICTURE_SVG_PICTURE_H_
#define BORINGCONV_PICTURE_SVG_PICTURE_H_

#include <filesystem>
#include <string>

#include "picture/boring_profile.h"
#include "picture/drawing.h"

namespace bc {

std::string PictureSvg(const Drawing& drawing);

// Writes the drawing as an SVG file. Throws RunError naming the file when it
// cannot be written.
void WriteSvgFile(const Drawing& drawing, const std::filesystem::path& svg);

// Writes the profile's picture at the file size. Throws RunError naming the
// file when it cannot be written.
void WritePictureSvg(const BoringProfile& profile, const std::filesystem::path& svg);

// The picture of the boring converted into an output folder, from its
// TITL02.TXT, X1.TXT and X5.TXT (a boring without N values has no X5.TXT;
// without TITL02.TXT the folder's name is the title). Throws RunError naming
// the file when X1.TXT is missing or a file cannot be read or written. After
// a run into a folder an earlier run used, read the files through
// FreshPictureFiles and write the profile instead.
void WritePictureSvg(const std::filesystem::path& folder, const std::filesystem::path& svg);

}  // namespace bc

#endif  // BORINGCONV_PICTURE_SVG_PICTURE_H_

// What the picture shows of a converted boring: its name and ground
// elevation (TITL02.TXT), the soil layers of X1.TXT and the N values of X5.TXT.
#ifndef BORINGCONV_PICTURE_BORING_PROFILE_H_
#define BORINGCONV_PICTURE_BORING_PROFILE_H_

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "picture/picture_files.h"

namespace bc {

struct SoilBand {
  float bottom = 0;  // depth of the layer's lower boundary, metres
  std::u16string code;
  std::u16string name;
};

struct BlowCount {
  float depth = 0;
  int n = 0;
};

struct BoringProfile {
  std::u16string name;           // the picture's title
  std::vector<SoilBand> layers;  // in file order, top first
  std::vector<BlowCount> blows;
  std::optional<double> ground;  // elevation of the ground surface, metres
  std::u16string datum;          // what ground is measured from ("ＴＰ"); may be empty

  bool empty() const { return layers.empty() && blows.empty(); }
  // The deepest depth of either list, 0 when both are empty.
  float Depth() const;
};

// Lines of X1.TXT ("  n,  depth,code,name") and X5.TXT ("  n,  depth, S1,  N,...")
// as text; malformed lines are passed over.
void ParseSoilLayers(std::u16string_view text, BoringProfile& profile);
void ParseBlowCounts(std::u16string_view text, BoringProfile& profile);
// The first line of TITL02.TXT without its blanks.
std::u16string ParseBoringName(std::u16string_view text);
// The ground elevation of TITL02.TXT: the number of line 19 and the datum
// named on line 18, as the titles took them from the boring's elevation
// record. No elevation when line 19 holds no number.
void ParseGroundLevel(std::u16string_view text, BoringProfile& profile);

// Reads the code page 932 files; a file with an empty path or one that does
// not exist is taken as empty. The name falls back to fallback_name when the
// titles give none. Throws RunError naming a file that exists but cannot be
// read.
BoringProfile ReadBoringProfile(const PictureFiles& files, std::u16string fallback_name);

// The last part of a folder's path ("b1" of "/out/b1/"), for a title.
std::u16string FolderName(const std::filesystem::path& folder);

}  // namespace bc

#endif  // BORINGCONV_PICTURE_BORING_PROFILE_H_

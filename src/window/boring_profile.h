// What the preview draws of a converted boring: the soil layers of X1.TXT
// and the N values of X5.TXT.
#ifndef BORINGCONV_WINDOW_BORING_PROFILE_H_
#define BORINGCONV_WINDOW_BORING_PROFILE_H_

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

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
  std::vector<SoilBand> layers;  // in file order, top first
  std::vector<BlowCount> blows;

  bool empty() const { return layers.empty() && blows.empty(); }
  // The deepest depth of either list, 0 when both are empty.
  float Depth() const;
};

// Lines of X1.TXT ("  n,  depth,code,name") and X5.TXT ("  n,  depth, S1,  N,...")
// as text; malformed lines are passed over.
void ParseSoilLayers(std::u16string_view text, BoringProfile& profile);
void ParseBlowCounts(std::u16string_view text, BoringProfile& profile);

// Reads the code page 932 files; an empty path or a missing file leaves its
// list empty.
BoringProfile ReadBoringProfile(const std::filesystem::path& x1_file,
                                const std::filesystem::path& x5_file);

}  // namespace bc

#endif  // BORINGCONV_WINDOW_BORING_PROFILE_H_

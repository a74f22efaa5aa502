#include "picture/boring_profile.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>

#include "environment/environment.h"
#include "run/run_error.h"
#include "text/codepage.h"
#include "text/numeric.h"
#include "text/trim.h"

namespace bc {
namespace {

std::vector<std::u16string_view> Lines(std::u16string_view text) {
  std::vector<std::u16string_view> lines;
  while (!text.empty()) {
    std::size_t end = text.find_first_of(u"\r\n");
    if (end == std::u16string_view::npos) end = text.size();
    if (end > 0) lines.push_back(text.substr(0, end));
    text.remove_prefix(std::min(text.size(), end + 1));
  }
  return lines;
}

// The first max_items - 1 comma-separated items; the last item keeps the
// rest of the line (a soil name may hold commas).
std::vector<std::u16string_view> Items(std::u16string_view line, std::size_t max_items) {
  std::vector<std::u16string_view> items;
  while (items.size() + 1 < max_items) {
    std::size_t comma = line.find(u',');
    if (comma == std::u16string_view::npos) break;
    items.push_back(line.substr(0, comma));
    line.remove_prefix(comma + 1);
  }
  items.push_back(line);
  return items;
}

bool IsNumber(std::u16string_view text) {
  text = TrimBlanks(text);
  return !text.empty() && text.find_first_not_of(u"+-.0123456789") == std::u16string_view::npos;
}

std::u16string ReadAnsiFile(const std::filesystem::path& file) {
  std::error_code ec;
  if (file.empty() || !std::filesystem::exists(file, ec)) return {};
  std::ifstream in(file, std::ios::binary);
  if (!in) throw RunError(CannotOpenMessage(FromHostPath(file)));
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  return DecodeAnsi(bytes);
}

}  // namespace

float BoringProfile::Depth() const {
  float depth = 0;
  for (const SoilBand& layer : layers) depth = std::max(depth, layer.bottom);
  for (const BlowCount& blow : blows) depth = std::max(depth, blow.depth);
  return depth;
}

void ParseSoilLayers(std::u16string_view text, BoringProfile& profile) {
  for (std::u16string_view line : Lines(text)) {
    std::vector<std::u16string_view> items = Items(line, 4);
    if (items.size() < 4 || !IsNumber(items[1])) continue;
    profile.layers.push_back({static_cast<float>(NumericValue(items[1])),
                              std::u16string(TrimBlanks(items[2])),
                              std::u16string(TrimBlanks(items[3]))});
  }
}

void ParseBlowCounts(std::u16string_view text, BoringProfile& profile) {
  for (std::u16string_view line : Lines(text)) {
    std::vector<std::u16string_view> items = Items(line, 5);
    if (items.size() < 5 || !IsNumber(items[1]) || !IsNumber(items[3])) continue;
    profile.blows.push_back(
        {static_cast<float>(NumericValue(items[1])), static_cast<int>(NumericValue(items[3]))});
  }
}

std::u16string ParseBoringName(std::u16string_view text) {
  return std::u16string(TrimBlanks(text.substr(0, text.find_first_of(u"\r\n"))));
}

void ParseGroundLevel(std::u16string_view text, BoringProfile& profile) {
  // Lines 18 and 19, counting empty lines too.
  std::u16string_view lines[2];
  for (int line = 1; line <= 19 && !text.empty(); ++line) {
    std::size_t end = std::min(text.size(), text.find(u'\n'));
    std::u16string_view content = text.substr(0, end);
    if (content.ends_with(u'\r')) content.remove_suffix(1);
    if (line >= 18) lines[line - 18] = TrimBlanks(content);
    text.remove_prefix(std::min(text.size(), end + 1));
  }
  std::u16string_view number = TrimBlanks(lines[1]);
  if (!IsNumber(number) || number.find_first_of(u"0123456789") == std::u16string_view::npos) {
    return;
  }
  double ground = NumericValue(number);
  if (!std::isfinite(ground)) return;
  profile.ground = ground;
  profile.datum = std::u16string(TrimBlanks(lines[0]));
}

BoringProfile ReadBoringProfile(const PictureFiles& files, std::u16string fallback_name) {
  BoringProfile profile;
  std::u16string titles = ReadAnsiFile(files.titles);
  profile.name = ParseBoringName(titles);
  ParseGroundLevel(titles, profile);
  if (profile.name.empty()) profile.name = std::move(fallback_name);
  ParseSoilLayers(ReadAnsiFile(files.layers), profile);
  ParseBlowCounts(ReadAnsiFile(files.blows), profile);
  return profile;
}

std::u16string FolderName(const std::filesystem::path& folder) {
  std::filesystem::path name = folder.filename();
  if (name.empty()) name = folder.parent_path().filename();
  return FromHostPath(name);
}

}  // namespace bc

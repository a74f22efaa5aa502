#include "environment/drive_map.h"

#include <fstream>
#include <system_error>

#include "environment/environment.h"
#include "text/trim.h"
#include "text/utf8.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace bc {
namespace {

bool IsLetter(char16_t c) { return UpperDriveLetter(c) >= u'A' && UpperDriveLetter(c) <= u'Z'; }

#ifdef _WIN32
std::wstring RootOf(char16_t letter) {
  return std::wstring{static_cast<wchar_t>(UpperDriveLetter(letter)), L':', L'\\'};
}

// Asks the drive itself. An empty card reader or disc drive must answer "not
// ready" instead of holding the run on the system's "insert a disk" box.
bool RealDriveReady(char16_t letter) {
  std::wstring root = RootOf(letter);
  UINT type = GetDriveTypeW(root.c_str());
  if (type == DRIVE_NO_ROOT_DIR || type == DRIVE_UNKNOWN) return false;
  DWORD old_mode = 0;
  SetThreadErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX, &old_mode);
  BOOL ready =
      GetVolumeInformationW(root.c_str(), nullptr, 0, nullptr, nullptr, nullptr, nullptr, 0);
  SetThreadErrorMode(old_mode, nullptr);
  return ready != 0;
}
#endif

}  // namespace

DriveMap DriveMap::Default() {
  DriveMap map;
#ifdef _WIN32
  DWORD mask = GetLogicalDrives();
  for (int i = 0; i < 26; ++i) {
    if (mask & (1u << i)) {
      char16_t letter = static_cast<char16_t>(u'A' + i);
      map.Map(letter, RootOf(letter));
    }
  }
#else
  map.Map(u'Z', "/");
#endif
  return map;
}

bool DriveMap::Map(char16_t letter, std::filesystem::path root) {
  if (!IsLetter(letter)) return false;
  roots_[UpperDriveLetter(letter)] = std::move(root);
  return true;
}

bool DriveMap::MapSpec(std::u16string_view spec) {
  spec = TrimBlanks(spec);
  if (spec.size() < 3 || !IsLetter(spec[0])) return false;
  std::size_t equals = spec[1] == u':' ? 2 : 1;
  if (spec.size() <= equals + 1 || spec[equals] != u'=') return false;
  std::filesystem::path root = ToHostPath(TrimBlanks(spec.substr(equals + 1)));
  std::error_code ec;
  std::filesystem::path absolute = std::filesystem::absolute(root, ec);
  return Map(spec[0], ec ? root : absolute.lexically_normal());
}

std::optional<std::u16string> DriveMap::LoadFile(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) return std::nullopt;  // no table: the defaults stand
  std::string line;
  int number = 0;
  while (std::getline(in, line)) {
    ++number;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::u16string text = FromUtf8(line);
    std::u16string_view trimmed = TrimBlanks(text);
    if (trimmed.empty() || trimmed[0] == u'#' || trimmed[0] == u';') continue;
    if (!MapSpec(trimmed)) {
      return FromHostPath(file) + u" の " + FromUtf8(std::to_string(number)) +
             u" 行目が「L=フォルダ」の形ではありません。";
    }
  }
  return std::nullopt;
}

std::optional<std::filesystem::path> DriveMap::Root(char16_t letter) const {
  auto it = roots_.find(UpperDriveLetter(letter));
  if (it == roots_.end()) return std::nullopt;
  return it->second;
}

bool DriveMap::IsReady(char16_t letter) const {
  auto root = Root(letter);
  if (!root) return false;
#ifdef _WIN32
  if (IsRealDrive(letter)) return RealDriveReady(letter);
#endif
  std::error_code ec;
  return std::filesystem::is_directory(*root, ec);
}

bool DriveMap::IsRealDrive([[maybe_unused]] char16_t letter) const {
#ifdef _WIN32
  auto root = Root(letter);
  return root && root->native() == RootOf(letter);
#else
  return false;
#endif
}

std::u16string DriveMap::Letters() const {
  std::u16string letters;
  for (const auto& [letter, root] : roots_) letters.push_back(letter);
  return letters;
}

std::optional<std::u16string> DriveMap::ToDrivePath(const std::filesystem::path& host) const {
  std::error_code ec;
  std::filesystem::path absolute = std::filesystem::absolute(host, ec).lexically_normal();
  if (ec) return std::nullopt;
  std::optional<std::u16string> best;
  std::size_t best_length = 0;
  for (const auto& [letter, root] : roots_) {
    std::filesystem::path relative = absolute.lexically_relative(root.lexically_normal());
    if (relative.empty() || *relative.begin() == "..") continue;
    std::size_t length = root.lexically_normal().native().size();
    if (best && length <= best_length) continue;
    std::u16string text{letter, u':', u'\\'};
    bool first = true;
    for (const auto& element : relative) {
      if (element == "." || element.empty()) continue;
      if (!first) text.push_back(u'\\');
      text += FromHostPath(element);
      first = false;
    }
    best = text;
    best_length = length;
  }
  return best;
}

}  // namespace bc

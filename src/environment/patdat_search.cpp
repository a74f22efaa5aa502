#include "environment/patdat_search.h"

#include <algorithm>
#include <system_error>

#include "environment/mount_table.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace bc {
namespace {

std::uintmax_t FileSizeOf(const Environment& env, std::u16string_view path) {
  std::error_code ec;
  std::filesystem::path host = env.HostPath(path);
  if (host.empty() || !std::filesystem::is_regular_file(host, ec)) return 0;
  std::uintmax_t size = std::filesystem::file_size(host, ec);
  return ec ? 0 : size;
}

// Pseudo file systems of a POSIX root hold no data and never end; the names
// stand in where the host lists no mounts.
bool IsPseudoFileSystem(const std::filesystem::path& host) {
  return host == "/proc" || host == "/sys" || host == "/dev";
}

// Read once: a walk over a whole drive asks for every folder.
const MountTable& Mounts() {
  static const MountTable table = MountTable::Current();
  return table;
}

// Windows junctions and links (some point back at their own parent) are not
// reported as links by the standard library there; skip them too.
bool IsReparsePoint([[maybe_unused]] const std::filesystem::path& host) {
#ifdef _WIN32
  DWORD attributes = GetFileAttributesW(host.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
#else
  return false;
#endif
}

// Names of the entries of a host folder, sorted, either the regular files
// (with their sizes) or the real folders (links are not followed).
struct Listing {
  std::vector<std::pair<std::u16string, std::uintmax_t>> files;
  std::vector<std::u16string> folders;
};

Listing ListFolder(const std::filesystem::path& host) {
  Listing listing;
  std::error_code ec;
  if (host.empty() || IsPseudoFileSystem(host)) return listing;
  if (host.is_absolute() && Mounts().Skips(host)) return listing;
  for (std::filesystem::directory_iterator it(host, ec), end; !ec && it != end; it.increment(ec)) {
    std::error_code entry_ec;
    std::u16string name = FromHostPath(it->path().filename());
    if (it->is_symlink(entry_ec) || IsReparsePoint(it->path())) continue;
    if (it->is_directory(entry_ec)) {
      listing.folders.push_back(name);
    } else if (it->is_regular_file(entry_ec)) {
      listing.files.emplace_back(name, it->file_size(entry_ec));
    }
  }
  std::sort(listing.files.begin(), listing.files.end());
  std::sort(listing.folders.begin(), listing.folders.end());
  return listing;
}

// True when inner is folder or lies below it.
bool IsWithin(const std::filesystem::path& inner, const std::filesystem::path& folder) {
  if (folder.empty()) return false;
  auto end = std::mismatch(folder.begin(), folder.end(), inner.begin(), inner.end()).first;
  return end == folder.end() || (std::next(end) == folder.end() && end->empty());
}

std::filesystem::path Canonical(const std::filesystem::path& path) {
  std::error_code ec;
  std::filesystem::path canonical = std::filesystem::weakly_canonical(path, ec);
  return ec ? path.lexically_normal() : canonical;
}

}  // namespace

bool IsInstallationFolder(const Environment& env, const std::filesystem::path& host) {
  std::filesystem::path folder = Canonical(host);
  std::error_code ec;
  if (folder.filename().empty()) folder = folder.parent_path();
  std::filesystem::path samples = folder.parent_path();
  if (samples.filename() == "samples" &&
      std::filesystem::is_regular_file(samples / "boring.txt", ec))
    return true;
  if (env.program_folder().empty()) return false;
  std::filesystem::path program = Canonical(env.program_folder());
  std::filesystem::path prefix = program.parent_path();
  return IsWithin(folder, program) || IsWithin(folder, prefix / "share" / "boringconv") ||
         IsWithin(folder, prefix / "share" / "doc" / "boringconv");
}

std::u16string PatdatFoundMessage(std::u16string_view folder) {
  return u"PATDAT フォルダを検索で見つけました: " + std::u16string(folder);
}

std::u16string PathHead(std::u16string_view path) {
  std::size_t last = path.find_last_of(u":\\");
  return last == std::u16string_view::npos ? std::u16string()
                                           : std::u16string(path.substr(0, last + 1));
}

bool SearchPatdatTree(const Environment& env, const std::u16string& folder, std::int16_t& count,
                      std::vector<std::u16string>& results, std::u16string_view marker,
                      const SearchProgress& progress, std::int16_t limit) {
  if (count >= limit) return true;
  std::u16string head = PathHead(folder);
  if (progress && !progress(head)) return false;
  std::u16string name = folder.substr(head.size());

  Listing here = ListFolder(env.HostPath(folder));
  if (!here.files.empty() && here.files.front().second > 0 &&
      FileSizeOf(env, folder + std::u16string(marker)) >= 1 &&
      !IsInstallationFolder(env, env.HostPath(folder))) {
    ++count;
    results.push_back(folder + u"\\");
  }
  for (const std::u16string& entry : ListFolder(env.HostPath(head)).folders) {
    if (count >= limit) return true;
    if (!SearchPatdatTree(env, head + entry + u"\\" + name, count, results, marker, progress,
                          limit))
      return false;
  }
  return true;
}

std::u16string FindPatdatFolder(const Environment& env, const SearchProgress& progress) {
  std::optional<std::u16string> program = env.drives().ToDrivePath(env.program_folder());
  std::u16string base =
      WithTrailingBackslash(program ? *program : FromHostPath(env.program_folder()));
  if (FileSizeOf(env, base + u"PATDAT\\kishitu.txt") >= 1) return base + u"PATDAT\\";

  // The program's drive first, then every drive in letter order; only the
  // first hit is used, so each walk stops there.
  std::u16string letters;
  if (program) letters.push_back((*program)[0]);
  for (char16_t letter = u'A'; letter <= u'Z'; ++letter) letters.push_back(letter);
  for (char16_t letter : letters) {
    if (!env.drives().IsReady(letter)) continue;
    std::int16_t count = 0;
    std::vector<std::u16string> results;
    if (!SearchPatdatTree(env, std::u16string{letter} + u":\\PATDAT", count, results,
                          u"\\kishitu.txt", progress, 1))
      return {};
    if (count > 0) return results.front();
  }
  return {};
}

}  // namespace bc

#include "environment/replace_file.h"

#include <fstream>
#include <system_error>

#ifdef _WIN32
#include <windows.h>
#endif

namespace bc {
namespace {

bool RenameOver(const std::filesystem::path& from, const std::filesystem::path& to) {
#ifdef _WIN32
  // The C runtime's rename refuses to replace a file; Windows itself does not.
  return MoveFileExW(from.c_str(), to.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
#else
  std::error_code ec;
  std::filesystem::rename(from, to, ec);
  return !ec;
#endif
}

}  // namespace

bool WriteFileAtOnce(const std::filesystem::path& file, std::string_view bytes) {
  std::filesystem::path scratch = file;
  scratch += ".new";
  std::ofstream out(scratch, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (out && RenameOver(scratch, file)) return true;
  std::error_code ec;
  std::filesystem::remove(scratch, ec);
  return false;
}

}  // namespace bc

#include "run/patdat_check.h"

#include <optional>

#include "text/ascii_case.h"

namespace bc {
namespace {

// The soil-name table's name in the folder, in whatever letter case it has.
std::optional<std::filesystem::path> SoilTable(FileSystem& fs,
                                               const std::filesystem::path& folder) {
  for (const std::filesystem::path& name : fs.List(folder)) {
    if (SameIgnoringAsciiCase(FromHostPath(name), u"kishitu.txt")) return folder / name;
  }
  return std::nullopt;
}

// Opens the soil-name table for appending, as a run that meets a new name
// does, and writes nothing: the table and the folder stay as they are.
FileError ProbeWritable(FileSystem& fs, const std::filesystem::path& table) {
  std::unique_ptr<WritableFile> file;
  if (fs.OpenWritable(table, WriteMode::kAppend, &file) != OpenStatus::kOk) return LastFileError();
  return file->Close() ? FileError::kNone : LastFileError();
}

}  // namespace

PatdatStatus CheckPatdatFolder(FileSystem& fs, const Environment& env, std::u16string_view folder) {
  std::filesystem::path host = env.HostPath(folder);
  if (host.empty() || !fs.Exists(host)) return {PatdatCheck::kMissing, FileError::kNotFound};
  std::optional<std::filesystem::path> table = SoilTable(fs, host);
  if (!table) return {PatdatCheck::kNoSoilTable, FileError::kNone};
  FileError why = ProbeWritable(fs, *table);
  if (why != FileError::kNone) return {PatdatCheck::kNotWritable, why};
  return {};
}

std::u16string PatdatProblemMessage(std::u16string_view folder, const PatdatStatus& status) {
  std::u16string what;
  switch (status.check) {
    case PatdatCheck::kOk:
      return u"";
    case PatdatCheck::kMissing:
      what = u"PATDAT フォルダが見つかりません";
      break;
    case PatdatCheck::kNoSoilTable:
      what = u"PATDAT フォルダに kishitu.txt がありません";
      break;
    case PatdatCheck::kNotWritable:
      what = u"PATDAT フォルダに書き込めません（" + FileErrorText(status.why, FileAccess::kWrite) +
             u"）";
      break;
  }
  return what + u": " + std::u16string(folder) +
         u"。PATDAT フォルダを設定し直してください（コマンドラインでは boringconv --patdat DIR "
         u"--save-patdat、ウィンドウでは「PATDAT の変更…」）。";
}

}  // namespace bc

#include "window_model/patdat_choice.h"

#include <system_error>

#include "environment/settings.h"
#include "text/ascii_case.h"

namespace bc {
namespace {

constexpr char16_t kNoTableMessage[] =
    u"選んだフォルダには kishitu.txt がありません。\n別のフォルダを選びますか？";

bool IsKishitu(const std::filesystem::path& name) {
  return SameIgnoringAsciiCase(FromHostPath(name), u"kishitu.txt");
}

}  // namespace

bool HoldsPatternData(const std::filesystem::path& folder) {
  std::error_code ec;
  for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end;
       it.increment(ec)) {
    std::error_code entry_ec;
    if (IsKishitu(it->path().filename()) && it->is_regular_file(entry_ec) &&
        it->file_size(entry_ec) > 0 && !entry_ec)
      return true;
  }
  return false;
}

std::u16string ChoosePatdatFolder(const Environment& env, Prompter& prompter,
                                  const FolderPicker& picker) {
  for (;;) {
    std::filesystem::path folder = picker();
    if (folder.empty()) return {};
    if (HoldsPatternData(folder)) {
      std::optional<std::u16string> drive_path = env.drives().ToDrivePath(folder);
      return WithTrailingBackslash(drive_path ? *drive_path : FromHostPath(folder));
    }
    if (prompter.Ask(kNoTableMessage, MessageStyle::kYesNoQuestion, u"") != Answer::kYes) return {};
  }
}

void RememberPatdatFolder(const std::filesystem::path& system_folder, const std::u16string& folder,
                          Prompter& prompter) {
  if (SavePatdatSetting(system_folder, folder)) return;
  prompter.Ask(u"設定ファイル「" + FromHostPath(system_folder / "PatdatV5.ini") +
                   u"」に書き込めませんでした。",
               MessageStyle::kExclamation, u"");
}

}  // namespace bc

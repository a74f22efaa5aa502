#include "window_model/patdat_choice.h"

#include <system_error>

#include "environment/settings.h"

namespace bc {
namespace {

constexpr char16_t kNoTableMessage[] =
    u"選んだフォルダには kishitu.txt がありません。\n別のフォルダを選びますか？";

bool IsKishitu(const std::filesystem::path& name) {
  std::u16string text = FromHostPath(name);
  constexpr std::u16string_view kName = u"kishitu.txt";
  if (text.size() != kName.size()) return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    char16_t c = text[i] >= u'A' && text[i] <= u'Z' ? text[i] - u'A' + u'a' : text[i];
    if (c != kName[i]) return false;
  }
  return true;
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

#include "window_model/help_request.h"

#include "environment/help_file.h"

namespace bc {
namespace {

constexpr char16_t kHelpTitle[] = u"ヘルプ";

constexpr char16_t kHelpOnHelp[] =
    u"ヘルプの使い方\n\n"
    u"F1 キーを押すと、ヘルプファイル「Lithomar.HLP」を、この種類のファイルに"
    u"割り当てられたビューアで開きます。\n"
    u"ヘルプファイルは、プログラムのフォルダを探し、なければ環境変数 PATH の"
    u"フォルダを順に探します。";

std::u16string MissingHelpMessage() {
  return u"ヘルプファイル「" + std::u16string(kHelpFileName) +
         u"」が見つかりません。\nプログラムのフォルダか、環境変数 PATH "
         u"のフォルダに置いてください。";
}

}  // namespace

void RequestHelp(std::int16_t context, const Environment& env, const HelpFiles& files,
                 const FileOpener& open, Prompter& prompter) {
  if (context == 4) {
    prompter.Ask(kHelpOnHelp, MessageStyle::kInformation, kHelpTitle);
    return;
  }
  // A viewer cannot jump to a context number; it opens the file at its start.
  if (!files.help_file_path.empty() && open(env.HostPath(files.help_file_path))) return;
  // Current desktops seldom have a viewer for the old help file; the HTML
  // page opens in any browser.
  if (!files.help_page_path.empty() && open(files.help_page_path)) return;
  if (!files.help_page_path.empty()) {
    // The page is there: only the desktop lacks a program to show it.
    prompter.Ask(
        u"ヘルプのページ「" + FromHostPath(files.help_page_path) +
            u"」を開くプログラムがありません。\nWeb ブラウザでこのファイルを開いてください。",
        MessageStyle::kExclamation, kHelpTitle);
  } else if (files.help_file_path.empty()) {
    prompter.Ask(MissingHelpMessage(), MessageStyle::kExclamation, kHelpTitle);
  } else {
    prompter.Ask(u"ヘルプファイル「" + files.help_file_path + u"」を開けませんでした。",
                 MessageStyle::kExclamation, kHelpTitle);
  }
}

}  // namespace bc

#include "window/help_viewer.h"

#include <QDesktopServices>

#include "environment/help_file.h"
#include "run/run_ui.h"

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

QUrl LocalUrl(const std::filesystem::path& file) {
  return QUrl::fromLocalFile(QString::fromStdU16String(FromHostPath(file)));
}

}  // namespace

HelpViewer::HelpViewer(const Environment& env, MessageBoxes& boxes)
    : env_(env),
      boxes_(boxes),
      help_page_path_(LocateHelpPage(env.program_folder())),
      opener_(&QDesktopServices::openUrl) {}

void HelpViewer::ShowHelp(QWidget* parent, std::int16_t context) {
  if (context == 4) {
    boxes_.Show(parent, kHelpOnHelp, MessageStyle::kInformation, kHelpTitle);
    return;
  }
  // A viewer cannot jump to a context number; it opens the file at its start.
  if (!help_file_path_.empty() && opener_(LocalUrl(env_.HostPath(help_file_path_)))) return;
  // Current desktops seldom have a viewer for the old help file; the HTML
  // page opens in any browser.
  if (!help_page_path_.empty() && opener_(LocalUrl(help_page_path_))) return;
  if (!help_page_path_.empty()) {
    // The page is there: only the desktop lacks a program to show it.
    boxes_.Show(
        parent,
        u"ヘルプのページ「" + FromHostPath(help_page_path_) +
            u"」を開くプログラムがありません。\nWeb ブラウザでこのファイルを開いてください。",
        MessageStyle::kExclamation, kHelpTitle);
  } else if (help_file_path_.empty()) {
    boxes_.Show(parent, MissingHelpMessage(), MessageStyle::kExclamation, kHelpTitle);
  } else {
    boxes_.Show(parent, u"ヘルプファイル「" + help_file_path_ + u"」を開けませんでした。",
                MessageStyle::kExclamation, kHelpTitle);
  }
}

}  // namespace bc

#include "window/help_viewer.h"

#include <QDesktopServices>

#include "environment/help_file.h"
#include "window_model/help_request.h"

namespace bc {
namespace {

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
  boxes_.OverParent(parent, [&] {
    RequestHelp(
        context, env_, HelpFiles{help_file_path_, help_page_path_},
        [this](const std::filesystem::path& file) { return opener_(LocalUrl(file)); }, boxes_);
  });
}

}  // namespace bc

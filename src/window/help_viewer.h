// Showing help with the desktop's URL opener; what opens is the model's.
#ifndef BORINGCONV_WINDOW_HELP_VIEWER_H_
#define BORINGCONV_WINDOW_HELP_VIEWER_H_

#include <QUrl>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>

#include "environment/environment.h"
#include "window/message_box.h"

class QWidget;

namespace bc {

// Opens a URL with the desktop (tests record it instead).
using UrlOpener = std::function<bool(const QUrl&)>;

class HelpViewer {
 public:
  HelpViewer(const Environment& env, MessageBoxes& boxes);

  void SetHelpFilePath(std::u16string path) { help_file_path_ = std::move(path); }
  const std::u16string& help_file_path() const { return help_file_path_; }
  void SetUrlOpener(UrlOpener opener) { opener_ = std::move(opener); }
  // The HTML page, located at construction; empty when there is none.
  void SetHelpPagePath(std::filesystem::path page) { help_page_path_ = std::move(page); }
  const std::filesystem::path& help_page_path() const { return help_page_path_; }

  // Context 4 explains how help works; any other context opens the help
  // file, else the help page, and only when neither opens says so.
  void ShowHelp(QWidget* parent, std::int16_t context);

 private:
  const Environment& env_;
  MessageBoxes& boxes_;
  std::u16string help_file_path_;
  std::filesystem::path help_page_path_;
  UrlOpener opener_;
};

}  // namespace bc

#endif  // BORINGCONV_WINDOW_HELP_VIEWER_H_

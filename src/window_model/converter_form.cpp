#include "window_model/converter_form.h"

#include <system_error>

#include "conversion/conversion.h"
#include "environment/settings.h"
#include "picture/picture_files.h"
#include "run/run_error.h"
#include "window_model/carried_run_ui.h"
#include "window_model/drive_path.h"
#include "window_model/folder_listing.h"

namespace bc {

ConverterForm::ConverterForm(Environment env, std::u16string patdat_path)
    : env_(std::move(env)),
      patdat_path_(std::move(patdat_path)),
      system_folder_(UserSettingsFolder()) {}

ConverterForm::~ConverterForm() {
  if (worker_.joinable()) worker_.join();
}

std::optional<std::u16string> ConverterForm::StartFolder() {
  std::error_code ec;
  std::optional<std::u16string> start =
      env_.drives().ToDrivePath(std::filesystem::current_path(ec));
  if (ec || !start) {
    start.reset();
    for (char16_t letter : env_.drives().Letters()) {
      if (env_.drives().IsReady(letter)) {
        start = DriveRoot(letter);
        break;
      }
    }
  }
  if (start) FolderOpened(*start);
  return start;
}

std::optional<std::u16string> ConverterForm::FolderForDrive(char16_t letter) const {
  if (!env_.drives().IsReady(letter)) return std::nullopt;
  auto known = drive_folders_.find(letter);
  if (known != drive_folders_.end() && IsFolder(env_, known->second)) return known->second;
  if (IsFolder(env_, DriveRoot(letter))) return DriveRoot(letter);
  return std::nullopt;
}

// A name typed without a folder is taken from the folder opened last; the
// process's own current folder is left alone.
void ConverterForm::FolderOpened(const std::u16string& path) {
  if (path.empty()) return;
  env_.SetWorkingFolder(path);
  drive_folders_[UpperDriveLetter(path[0])] = path;
  env_.SetCurrentDrive(path[0]);
}

std::u16string ConverterForm::ClickedFileText(const std::u16string& folder,
                                              const std::u16string& name) {
  return JoinFolderName(folder, name);
}

bool ConverterForm::StartRun(std::u16string source_text, std::u16string destination_text,
                             RunUi& view, WindowThread& thread, std::function<void()> ended) {
  if (running_) return false;
  running_ = true;
  success_shown_ = false;
  RunRequest request{std::move(source_text), std::move(destination_text), patdat_path_};
  output_folder_ = env_.HostPath(request.destination_text + u"\\");
  picture_files_ = std::make_unique<FreshPictureFiles>(output_folder_);
  carried_ = std::make_unique<CarriedRunUi>(view, thread);
  worker_ = std::thread([this, request = std::move(request), &thread, ended = std::move(ended)] {
    worker_ok_ = RunConversion(request, env_, *carried_);
    thread.Post(ended);
  });
  return true;
}

// Only the files this run wrote make the picture: the title falls back to
// the folder's name. A failed run clears it, so that no earlier boring is
// taken for this one, and its message stays in the status label.
RunOutcome ConverterForm::FinishRun() {
  worker_.join();
  RunOutcome outcome{worker_ok_, carried_->status(), u""};
  if (!outcome.ok && !carried_->last_problem().empty()) outcome.status = carried_->last_problem();
  picture_ = {};
  picture_folder_.clear();
  if (outcome.ok) {
    success_shown_ = true;
    try {
      picture_ = ReadBoringProfile(picture_files_->Written(), FolderName(output_folder_));
      picture_folder_ = FromHostPath(output_folder_);
    } catch (const RunError& error) {
      outcome.picture_problem = error.message();
    }
  }
  carried_.reset();
  picture_files_.reset();
  running_ = false;
  return outcome;
}

bool ConverterForm::PictureMouseMoved() {
  if (!success_shown_) return false;
  success_shown_ = false;
  return true;
}

bool ConverterForm::ChangePatdat(Prompter& prompter, const FolderPicker& picker) {
  if (running_) return false;
  std::u16string chosen = ChoosePatdatFolder(env_, prompter, picker);
  if (chosen.empty()) return false;
  patdat_path_ = chosen;
  RememberPatdatFolder(system_folder_, chosen, prompter);
  return true;
}

std::u16string PictureFileStem(const BoringProfile& profile) {
  std::u16string stem = profile.name.empty() ? std::u16string(u"boring") : profile.name;
  for (char16_t& c : stem) {
    if (std::u16string_view(u"\\/:*?\"<>|").find(c) != std::u16string_view::npos) c = u'_';
  }
  return stem;
}

}  // namespace bc

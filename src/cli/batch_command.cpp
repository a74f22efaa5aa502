#include "cli/batch_command.h"

#include "batch/batch_plan.h"
#include "batch/batch_run.h"
#include "cli/batch_progress.h"
#include "cli/overview_file.h"
#include "cli/preview_file.h"
#include "cli/terminal.h"
#include "conversion/conversion.h"
#include "environment/folder_entries.h"
#include "run/run_error.h"

namespace bc {
namespace {

// Tells about the wait for the pattern-data folder before the first boring.
class WaitLineUi : public RunUi {
 public:
  explicit WaitLineUi(std::FILE* err) : err_(err) {}
  void SetStatus(std::u16string_view) override {}
  void ShowWaiting(std::u16string_view text) override {
    WriteText(err_, std::u16string(text) + u"\n");
  }
  Answer ShowMessage(std::u16string_view, MessageStyle, std::u16string_view) override {
    return Answer::kOk;
  }
  void SetBusy(bool) override {}
  void Repaint() override {}
  void ShowWarnings(const std::vector<std::u16string>&) override {}

 private:
  std::FILE* err_;
};

// Makes each boring's folder before its run, from one reading of the root
// kept for the whole batch. A run that finds its folder missing looks for it
// under every letter case by reading the whole root, several times over, and
// a root that fills with a site's borings would make that the batch's main
// cost.
class BoringFolders {
 public:
  explicit BoringFolders(const Environment& env) : env_(env) {}

  // destination is ROOT\<stem>. While the root is missing the run makes it,
  // asking as usual; a folder that cannot be made is the run's to report.
  void Make(const std::u16string& destination) {
    std::size_t cut = destination.rfind(u'\\');
    if (!root_) {
      std::filesystem::path root = env_.HostPath(destination.substr(0, cut));
      if (!FileSystem::Default().Exists(root)) return;
      root_.emplace(root);
    }
    FileSystem::Default().CreateFolder(root_->Entry(destination.substr(cut + 1)));
  }

 private:
  const Environment& env_;
  std::optional<FolderEntries> root_;
};

std::filesystem::path SourcePath(const Environment& env, const std::u16string& text) {
  return IsDrivePath(text) ? env.HostPath(text) : ToHostPath(text);
}

// Where the overview goes, if anywhere; true with it when its folder may be
// made (ROOT's is the conversions' to make).
std::optional<std::pair<std::filesystem::path, bool>> OverviewPath(const Environment& env,
                                                                   const BatchCall& call) {
  if (call.overview) return std::pair(ToHostPath(*call.overview), true);
  if (call.previews) return std::pair(env.HostPath(call.root + u"\\overview.svg"), false);
  return std::nullopt;
}

}  // namespace

int RunBatchCommand(Environment& env, const BatchCall& call, std::FILE* out, std::FILE* err) {
  std::vector<std::filesystem::path> sources;
  for (const std::u16string& source : call.sources) sources.push_back(SourcePath(env, source));
  std::vector<BatchItem> items = PlanBatch(sources, call.root, IsBoringFile);
  if (items.empty()) {
    WriteText(err, u"変換するボーリングがありません。\n");
    return 1;
  }
  // One store for the whole batch: the folder's lock is taken once, and each
  // table is read once however many borings there are.
  std::unique_ptr<PatternStore> store;
  bool create_folders = call.answer.value_or(true);
  BoringFolders folders(env);
  ConvertOne convert = [&](const BatchItem& item, RunUi& ui) {
    RunRequest request{FromHostPath(item.source), item.destination, call.patdat, call.strict};
    if (!store) {
      try {
        WaitLineUi wait_ui(err);
        store = OpenPatternStore(env, call.patdat, wait_ui, RunOptions());
      } catch (const RunError& error) {
        ui.ShowMessage(error.message(), MessageStyle::kError, u"");
        return false;
      }
    }
    if (create_folders) folders.Make(item.destination);
    std::optional<PreviewFile> preview;
    if (call.previews) {
      std::u16string stem = item.destination.substr(item.destination.rfind(u'\\') + 1);
      preview.emplace(env.HostPath(item.destination),
                      ToHostPath(*call.previews) / ToHostPath(stem + u".svg"));
    }
    if (!RunConversion(request, env, ui, *store)) return false;
    if (!preview) return true;
    std::optional<std::u16string> failure = preview->Write();
    if (failure) ui.ShowMessage(*failure, MessageStyle::kError, u"");
    return !failure;
  };
  BatchProgress progress(err, ErrorIsTerminal());
  std::optional<OverviewFile> overview;
  if (auto path = OverviewPath(env, call)) {
    overview.emplace(env, path->first, path->second, progress);
  }
  std::vector<BatchResult> results = RunBatch(
      items, convert, create_folders, overview ? static_cast<BatchObserver&>(*overview) : progress);
  WriteText(out, BatchSummary(results));
  if (std::optional<std::u16string> failure = overview ? overview->Write() : std::nullopt) {
    WriteText(err, *failure + u"\n");
    return 1;
  }
  for (const BatchResult& result : results) {
    if (!result.converted) return 1;
  }
  return 0;
}

}  // namespace bc

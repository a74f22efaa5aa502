#include "cli/batch_command.h"

#include "batch/batch_plan.h"
#include "batch/batch_run.h"
#include "cli/batch_progress.h"
#include "cli/preview_file.h"
#include "cli/terminal.h"
#include "conversion/conversion.h"

namespace bc {
namespace {

std::filesystem::path SourcePath(const Environment& env, const std::u16string& text) {
  return IsDrivePath(text) ? env.HostPath(text) : ToHostPath(text);
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
  ConvertOne convert = [&](const BatchItem& item, RunUi& ui) {
    RunRequest request{FromHostPath(item.source), item.destination, call.patdat};
    std::optional<PreviewFile> preview;
    if (call.previews) {
      std::u16string stem = item.destination.substr(item.destination.rfind(u'\\') + 1);
      preview.emplace(env.HostPath(item.destination),
                      ToHostPath(*call.previews) / ToHostPath(stem + u".svg"));
    }
    if (!RunConversion(request, env, ui)) return false;
    if (!preview) return true;
    std::optional<std::u16string> failure = preview->Write();
    if (failure) ui.ShowMessage(*failure, kStyleError, u"");
    return !failure;
  };
  BatchProgress progress(err, ErrorIsTerminal());
  bool create_folders = call.answer.value_or(true);
  std::vector<BatchResult> results = RunBatch(items, convert, create_folders, progress);
  WriteText(out, BatchSummary(results));
  for (const BatchResult& result : results) {
    if (!result.converted) return 1;
  }
  return 0;
}

}  // namespace bc

#include "batch/batch_run.h"

#include "environment/environment.h"

namespace bc {
namespace {

// Keeps what one run shows instead of showing it.
class CollectingUi : public RunUi {
 public:
  CollectingUi(BatchResult& result, bool create_folders)
      : result_(result), create_folders_(create_folders) {}

  void SetStatus(std::u16string_view) override {}
  Answer ShowMessage(std::u16string_view text, MessageStyle style, std::u16string_view) override {
    if (style == MessageStyle::kYesNoQuestion) {
      if (create_folders_) return Answer::kYes;
      result_.messages.push_back(std::u16string(text) + u" いいえ (--no)");
      return Answer::kNo;
    }
    result_.messages.emplace_back(text);
    return Answer::kOk;
  }
  void ShowWarnings(const std::vector<std::u16string>& warnings) override {
    result_.warnings = warnings;
  }
  void SetBusy(bool) override {}
  void Repaint() override {}

 private:
  BatchResult& result_;
  bool create_folders_;
};

std::u16string Count(std::size_t n) { return FromHostPath(std::to_string(n)); }

}  // namespace

std::vector<BatchResult> RunBatch(const std::vector<BatchItem>& items, const ConvertOne& convert,
                                  bool create_folders, BatchObserver& observer) {
  std::vector<BatchResult> results;
  results.reserve(items.size());
  for (std::size_t i = 0; i < items.size(); ++i) {
    observer.Starting(i, items.size(), items[i]);
    BatchResult& result = results.emplace_back();
    result.item = items[i];
    CollectingUi ui(result, create_folders);
    result.converted = convert(items[i], ui);
    observer.Finished(i, items.size(), result);
  }
  return results;
}

std::u16string BatchSummary(const std::vector<BatchResult>& results) {
  std::size_t converted = 0;
  std::size_t warnings = 0;
  for (const BatchResult& result : results) {
    if (result.converted) ++converted;
    warnings += result.warnings.size();
  }
  std::u16string text = u"変換 " + Count(converted) + u" 件、停止 " +
                        Count(results.size() - converted) + u" 件、警告 " + Count(warnings) +
                        u" 件\n";
  for (const BatchResult& result : results) {
    if (result.converted) continue;
    std::u16string message;
    for (const std::u16string& shown : result.messages) {
      message += (message.empty() ? u"" : u" / ") + shown;
    }
    text += u"停止: " + FromHostPath(result.item.source) + u": " + message + u"\n";
  }
  for (const BatchResult& result : results) {
    for (std::u16string_view warning : result.warnings) {
      constexpr std::u16string_view kWarning = u"警告: ";  // said once, before the file
      if (warning.starts_with(kWarning)) warning.remove_prefix(kWarning.size());
      text += std::u16string(kWarning) + FromHostPath(result.item.source) + u": " +
              std::u16string(warning) + u"\n";
    }
  }
  return text;
}

}  // namespace bc

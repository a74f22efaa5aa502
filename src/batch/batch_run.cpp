#include "batch/batch_run.h"

#include <system_error>

#include "environment/environment.h"
#include "text/ansi_bytes.h"
#include "text/codepage.h"

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

// A file as the summary names it: its full path, as it survives being read
// from another folder.
std::u16string FullPath(const std::filesystem::path& file) {
  std::error_code ec;
  std::filesystem::path full = std::filesystem::absolute(file, ec);
  return FromHostPath(ec ? file : full.lexically_normal());
}

// The folders of a drive path after the drive ("C:\Q\SITE\" gives Q, SITE).
std::vector<std::u16string> FoldersOf(std::u16string_view path) {
  std::vector<std::u16string> folders;
  std::size_t start = path.find(u'\\');
  while (start != std::u16string_view::npos) {
    std::size_t end = path.find(u'\\', start + 1);
    std::u16string_view name = path.substr(start + 1, end == path.npos ? end : end - start - 1);
    if (!name.empty()) folders.emplace_back(name);
    start = end;
  }
  return folders;
}

}  // namespace

std::vector<BatchResult> RunBatch(const std::vector<BatchItem>& items, const ConvertOne& convert,
                                  bool create_folders, BatchObserver& observer) {
  std::vector<BatchResult> results;
  results.reserve(items.size());
  for (std::size_t i = 0; i < items.size(); ++i) {
    observer.Starting(i, items.size(), items[i]);
    BatchResult& result = results.emplace_back();
    result.item = items[i];
    if (!items[i].problem.empty()) {
      result.messages.push_back(items[i].problem);
    } else {
      CollectingUi ui(result, create_folders);
      result.converted = convert(items[i], ui);
    }
    observer.Finished(i, items.size(), result);
  }
  return results;
}

std::u16string BatchSummary(const std::vector<BatchResult>& results,
                            const std::vector<SkippedFile>& skipped) {
  std::size_t converted = 0;
  std::size_t warnings = 0;
  for (const BatchResult& result : results) {
    if (result.converted) ++converted;
    warnings += result.warnings.size();
  }
  std::u16string text = u"変換 " + Count(converted) + u" 件、停止 " +
                        Count(results.size() - converted) + u" 件、警告 " + Count(warnings) +
                        u" 件、見送り " + Count(skipped.size()) + u" 件\n";
  for (const BatchResult& result : results) {
    if (result.converted) continue;
    std::u16string message;
    for (const std::u16string& shown : result.messages) {
      message += (message.empty() ? u"" : u" / ") + shown;
    }
    text += u"停止: " + FullPath(result.item.source) + u": " + message + u"\n";
  }
  for (const BatchResult& result : results) {
    if (result.warnings.empty()) continue;
    text += u"警告あり: " + FullPath(result.item.source) + u"\n";
    for (std::u16string_view warning : result.warnings) {
      constexpr std::u16string_view kWarning = u"警告: ";  // said once, before the file
      if (warning.starts_with(kWarning)) warning.remove_prefix(kWarning.size());
      text += u"  " + std::u16string(warning) + u"\n";
    }
  }
  for (const SkippedFile& file : skipped) {
    text += u"見送り: " + FullPath(file.file) + u": " + PassedOverText(file.why) + u"\n";
  }
  return text;
}

FileError WriteSummaryFile(FileSystem& fs, const std::filesystem::path& folder,
                           std::u16string_view text) {
  std::string bytes;
  for (char16_t c : text) {
    if (c == u'\n') {
      bytes += "\r\n";
    } else {
      AppendAnsi(std::u16string_view(&c, 1), &bytes);
    }
  }
  std::unique_ptr<WritableFile> file;
  if (fs.OpenWritable(folder / ToHostPath(kSummaryFileName), WriteMode::kReplace, &file) !=
      OpenStatus::kOk) {
    return LastFileError();
  }
  bool written = file->Write(bytes) && file->Sync();
  FileError why = written ? FileError::kNone : LastFileError();
  if (!file->Close() && written) why = LastFileError();
  return why;
}

std::u16string ShallowRootWarning(std::u16string_view root, std::u16string_view first) {
  std::size_t depth = FoldersOf(root).size();
  if (depth >= 2) return u"";
  std::vector<std::u16string> folders = FoldersOf(first);
  auto folder = [&](std::size_t i) { return i < folders.size() ? folders[i] : std::u16string(); };
  return u"注意: CNT.TXT の 1 行目と 2 行目は、変換先のドライブから 2 段目と 3 段目のフォルダ名"
         u"から作られます（C:\\Q\\ABCDEF\\G なら「ABCD」と「G」）。ROOT の " +
         std::u16string(root) + u" はフォルダが " + Count(depth) + u" 段のため、" +
         std::u16string(first) + u" の CNT.TXT は「" + AnsiMidBytes(folder(1), 1, 4) + u"」と「" +
         folder(2) +
         u"」になります。C:\\Q\\SITE のように 2 段以上のフォルダを ROOT にして"
         u"ください。\n";
}

}  // namespace bc

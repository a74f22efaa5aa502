#include "run/conversion.h"

#include <system_error>

#include "environment/destination_path.h"
#include "run/run_context.h"
#include "run/run_error.h"
#include "run/source_reader.h"
#include "run/table_file.h"
#include "run/title_outputs.h"
#include "site/site_sections.h"
#include "soil/soil_sections.h"
#include "testrecords/test_sections.h"
#include "text/fixed_width.h"
#include "text/free_format.h"
#include "text/numeric.h"
#include "text/separators.h"
#include "text/str_form.h"
#include "text/trim.h"

namespace bc {
namespace {

constexpr char16_t kWorkingText[] = u"只今変換中！　しばらくお待ちください。";
constexpr char16_t kSuccessText[] = u"変換が正常に終了しました。";

// Stops the run quietly after a message the user has seen.
struct Stopped {};

std::vector<CodeName> LoadCodeTable(const RunContext& ctx, std::u16string_view name) {
  std::vector<CodeName> table;
  for (const auto& items : ReadTableEntries(ctx.PatdatFile(name), ctx.PatdatName(name))) {
    table.push_back({ItemOrEmpty(items, 0), ItemOrEmpty(items, 1)});
  }
  return table;
}

class ConversionRun {
 public:
  ConversionRun(const RunRequest& request, Environment& env, RunUi& ui)
      : request_(request), env_(env), ui_(ui) {}

  bool Run();

 private:
  void Stop() {
    ui_.SetStatus(u"");
    throw Stopped{};
  }
  void CheckPaths();
  void CheckTag();
  void MakeDestinationFolders();
  void OpenSource(SourceReader& source) const;
  double FindDeepestLayer(Record& record) const;
  Flow WriteHeaderOutputs(RunContext& ctx, double deepest);
  Flow WriteSections(RunContext& ctx);
  void Report(const RunError& error, long line_number);

  const RunRequest& request_;
  Environment& env_;
  RunUi& ui_;
  std::u16string source_path_;
  std::u16string destination_;  // validated and normalised, ending in "\"
};

bool ConversionRun::Run() {
  Record record;
  std::vector<std::u16string> warnings;
  try {
    ui_.SetStatus(kWorkingText);
    ui_.Repaint();
    CheckPaths();
    CheckTag();
    MakeDestinationFolders();
    ui_.SetBusy(true);

    SourceReader source;
    RunContext ctx(env_, source, record, destination_, request_.patdat_path);
    ctx.tables.l4 = LoadCodeTable(ctx, u"L4.TXT");
    ctx.tables.l100 = LoadCodeTable(ctx, u"L100.TXT");
    ctx.tables.l8 = LoadCodeTable(ctx, u"L8.TXT");
    ctx.tables.l10 = LoadCodeTable(ctx, u"L10.TXT");

    double deepest = FindDeepestLayer(record);
    OpenSource(source);
    if (WriteHeaderOutputs(ctx, deepest) == Flow::kContinue) WriteSections(ctx);
    warnings = ctx.full_tables.Warnings();
  } catch (const Stopped&) {
    return false;
  } catch (const RunError& error) {
    Report(error, record.line_number);
    return false;
  } catch (const std::exception& error) {
    Report(RunError(u"予期しないエラーが発生しました: " + FromHostPath(error.what())), 0);
    return false;
  }
  ui_.SetStatus(kSuccessText);
  ui_.SetBusy(false);
  if (!warnings.empty()) ui_.ShowWarnings(warnings);
  return true;
}

void ConversionRun::CheckPaths() {
  destination_ = request_.destination_text;
  if (!ValidateDestinationPath(destination_, env_, ui_)) {
    ui_.ShowMessage(u"指定されたパスは正しくありません。", kStyleExclamation,
                    request_.destination_text);
    ui_.FocusDestination();
    Stop();
  }
  source_path_ = std::u16string(TrimBlanks(request_.source_text));
  if (source_path_.empty()) {
    ui_.ShowMessage(u"変換元ファイルが選択されていません。", kStyleOk, u"");
    Stop();
  }
  if (IsBlankText(request_.destination_text)) {
    ui_.ShowMessage(u"変換先ﾌｫﾙﾀﾞが選択されていません。", kStyleOk, u"");
    Stop();
  }
}

void ConversionRun::CheckTag() {
  std::u16string tag(12, u' ');
  SourceReader source;
  if (source.Open(env_.HostPath(source_path_)) && !source.AtEnd()) {
    tag = ItemOrEmpty(ReadFreeFormatItems(source.ReadLine()), 0);
  }
  if (tag.compare(0, 3, u"QVN") != 0) {
    ui_.ShowMessage(u"選択された変換元ファイルは違います。", kStyleOk, request_.source_text);
    Stop();
  }
}

void ConversionRun::MakeDestinationFolders() {
  std::vector<std::u16string> parts;
  std::size_t count = static_cast<std::size_t>(CountSeparators(destination_, u"\\"));
  SplitAtSeparators(destination_, u"\\", parts);
  auto exists = [&](const std::u16string& path) {
    std::error_code ec;
    return std::filesystem::exists(env_.HostPath(path), ec);
  };

  std::vector<std::u16string> prefixes{parts[1]};
  for (std::size_t i = 2; i <= count + 1; ++i)
    prefixes.push_back(prefixes.back() + u"\\" + parts[i]);
  bool missing = false;
  for (const std::u16string& prefix : prefixes) {
    if (!exists(prefix)) {
      missing = true;
      break;
    }
  }
  if (!missing) return;
  if (ui_.ShowMessage(u"ﾌｫﾙﾀﾞがありません。新規作成しますか？", kStyleYesNoQuestion, u"") !=
      kAnswerYes) {
    Stop();
  }
  for (std::size_t i = 1; i < prefixes.size(); ++i) {
    if (exists(prefixes[i])) continue;
    std::error_code ec;
    std::filesystem::create_directory(env_.HostPath(prefixes[i]), ec);
    if (ec) throw RunError(u"フォルダを作成できません: " + prefixes[i]);
  }
}

void ConversionRun::OpenSource(SourceReader& source) const {
  if (!source.Open(env_.HostPath(source_path_))) throw RunError(CannotOpenMessage(source_path_));
}

// The first pass: the largest depth of the code-2000 records, −999 without any.
// It reads into the run's one record, so a short header record that follows
// sees the fields the record ending this pass left.
double ConversionRun::FindDeepestLayer(Record& record) const {
  SourceReader source;
  OpenSource(source);
  double deepest = -999;
  if (!source.AtEnd()) ReadRecord(source, record);  // the tag line
  while (record.Code() <= 2000 && !source.AtEnd()) {
    ReadRecord(source, record);
    if (record.Code() == 2000 && NumericValue(record.Field(2)) > deepest) {
      deepest = NumericValue(record.Field(2));
    }
  }
  return deepest;
}

// The header pass, then CNT.TXT and the title files. The files are written
// also when the source ends inside the header block.
Flow ConversionRun::WriteHeaderOutputs(RunContext& ctx, double deepest) {
  TitleBlocks titles;
  L1Loader load_l1 = [&ctx] { return LoadCodeTable(ctx, u"L1.TXT"); };
  if (!ctx.AtEnd()) ctx.Next();  // the tag line
  bool ended = ctx.AtEnd();
  if (!ended) ctx.Next();
  while (!ended && ctx.Code() > 999 && ctx.Code() < 2000) {
    ApplyHeaderRecord(ctx.record(), titles, load_l1);
    if (ctx.AtEnd()) {
      ended = true;
    } else {
      ctx.Next();
    }
  }
  titles.block2[20] = FormatFixed2(7, deepest);
  ctx.reading_years = ReadingYearsOf(titles);
  WriteControlFile(ctx, destination_);
  WriteTitleFiles(ctx, titles);
  if (ended) return Flow::kEnd;
  while (ctx.Code() < 2000 && !ctx.AtEnd()) ctx.Next();
  return Flow::kContinue;
}

Flow ConversionRun::WriteSections(RunContext& ctx) {
  LayerTable layers;
  auto below = [](double limit) { return [limit](double code) { return code < limit; }; };
  if (RunSoilLayerSection(ctx) == Flow::kEnd) return Flow::kEnd;
  if (RunLayerDetailSection(ctx, layers) == Flow::kEnd) return Flow::kEnd;
  if (RunLayerTextSection(ctx, layers) == Flow::kEnd) return Flow::kEnd;
  if (ctx.SkipWhile(below(3000)) == Flow::kEnd) return Flow::kEnd;
  if (RunMergedDepthSections(ctx) == Flow::kEnd) return Flow::kEnd;
  if (RunDatedDepthSection(ctx) == Flow::kEnd) return Flow::kEnd;
  if (RunIntervalSection(ctx) == Flow::kEnd) return Flow::kEnd;
  if (RunSampleSection(ctx) == Flow::kEnd) return Flow::kEnd;
  auto skipped = [](double code) { return code >= 3050 && code <= 3060; };
  if (ctx.SkipWhile(skipped) == Flow::kEnd) return Flow::kEnd;
  if (RunNamePairSection(ctx) == Flow::kEnd) return Flow::kEnd;
  if (ctx.SkipWhile(below(4000)) == Flow::kEnd) return Flow::kEnd;
  if (RunBlowCountSection(ctx) == Flow::kEnd) return Flow::kEnd;
  if (RunLugeonSections(ctx) == Flow::kEnd) return Flow::kEnd;
  if (ctx.SkipWhile(below(5000)) == Flow::kEnd) return Flow::kEnd;
  if (RunCode5000Section(ctx) == Flow::kEnd) return Flow::kEnd;
  return RunCodedNameSection(ctx);
}

void ConversionRun::Report(const RunError& error, long line_number) {
  std::u16string text = error.message();
  if (error.line_number() > 0) line_number = error.line_number();
  if (error.at_current_line() && line_number > 0) {
    text = u"変換元ファイルの " + std::u16string(TrimBlanks(StrInteger(line_number))) + u" 行目: " +
           text;
  }
  ui_.SetBusy(false);
  ui_.SetStatus(u"");
  ui_.ShowMessage(text, kStyleError, u"");
}

}  // namespace

bool RunConversion(const RunRequest& request, Environment& env, RunUi& ui) {
  return ConversionRun(request, env, ui).Run();
}

}  // namespace bc

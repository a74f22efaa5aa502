#include "conversion/conversion.h"

#include <memory>
#include <optional>

#include "conversion/output_family.h"
#include "conversion/section_order.h"
#include "environment/destination_path.h"
#include "exchange/exchange_import.h"
#include "run/run_context.h"
#include "run/run_error.h"
#include "run/source_check.h"
#include "text/line_reader.h"
#include "text/numeric.h"
#include "text/separators.h"
#include "text/source_encoding.h"
#include "text/str_form.h"
#include "text/trim.h"

namespace bc {
namespace {

constexpr char16_t kWorkingText[] = u"只今変換中！　しばらくお待ちください。";
constexpr char16_t kSuccessText[] = u"変換が正常に終了しました。";
constexpr char16_t kIncompleteNote[] =
    u"変換先フォルダには、このボーリングの途中までのファイルだけが残っています。";
constexpr char16_t kWaitingText[] =
    u"他の変換がパターンデータフォルダを使っています。終わるまで待っています…";

// Field (one-based) of a line as written, before the field rules.
std::optional<std::u16string_view> FieldOfLine(std::u16string_view line, int field) {
  if (field < 1) return std::nullopt;
  std::size_t at = 0;
  for (int i = 1; i < field; ++i) {
    at = line.find(u' ', at);
    if (at == std::u16string_view::npos) return std::nullopt;
    ++at;
  }
  return line.substr(at, line.find(u' ', at) - at);
}

// "「😀」（U+1F600）"
std::u16string ShownCharacter(char32_t c) {
  std::u16string text;
  if (c >= 0x10000) {
    text += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
    text += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
  } else {
    text += static_cast<char16_t>(c);
  }
  std::u16string hex;
  for (char32_t rest = c; rest != 0 || hex.size() < 4; rest >>= 4) {
    hex.insert(hex.begin(), u"0123456789ABCDEF"[rest & 0xF]);
  }
  return u"「" + text + u"」（U+" + hex + u"）";
}

std::u16string SourceEncodingMessage(const SourceDecoding& read) {
  if (read.problem == SourceDecoding::Problem::kUnwritable) {
    return ShownCharacter(read.character) +
           u"は Shift_JIS にない文字のため変換できません。Shift_JIS にある文字に直してください。";
  }
  switch (read.encoding) {
    case SourceEncoding::kUtf8:
      return u"UTF-8 として正しくないバイトがあります。保存し直してください。";
    case SourceEncoding::kUtf16:
      return u"UTF-16 として正しくないバイトがあります。保存し直してください。";
    case SourceEncoding::kShiftJis:
      break;
  }
  return u"Shift_JIS としても UTF-8 としても読めないバイトがあります。"
         u"Shift_JIS か UTF-8 で保存し直してください。";
}

class ConversionRun {
 public:
  ConversionRun(const RunRequest& request, Environment& env, RunUi& ui, const RunOptions& options,
                PatternStore* store)
      : request_(request),
        env_(env),
        ui_(ui),
        options_(options),
        fs_(store                 ? store->file_system()
            : options.file_system ? *options.file_system
                                  : FileSystem::Default()),
        store_(store) {}

  bool Run();

 private:
  // The checks before anything is written. Each returns false after telling
  // the user why the run does not start.
  bool CheckPaths();
  bool CheckTag();
  void DecodeSourceBytes();
  bool CheckValues();
  bool MakeDestinationFolders();
  bool Prepare();
  // Writes every output; returns the warnings of the run.
  std::vector<std::u16string> Convert(Record& record);
  PatternStore& OpenStore();
  std::string ImportSource() const;
  void OpenSource(LineReader& source) const;
  double FindDeepestLayer(Record& record) const;
  void RunSectionsOnce(RunContext& ctx, SectionState& state);
  void RemoveOtherOutputs(const RunContext& ctx) const;
  std::u16string SourcePlace(long line_number, int field) const;
  void Report(const RunError& error, long line_number);

  const RunRequest& request_;
  Environment& env_;
  RunUi& ui_;
  const RunOptions& options_;
  FileSystem& fs_;
  PatternStore* store_;                      // the caller's, already open
  std::unique_ptr<PatternStore> own_store_;  // or the run's own
  std::u16string source_path_;
  std::string source_bytes_;    // read once, by the tag check
  std::u16string destination_;  // validated and normalised, ending in "\"
  std::vector<std::u16string> source_warnings_;
};

bool ConversionRun::Run() {
  ui_.SetStatus(kWorkingText);
  ui_.Repaint();
  Record record;
  std::vector<std::u16string> warnings;
  try {
    if (!Prepare()) {
      ui_.SetStatus(u"");
      return false;
    }
    ui_.SetBusy(true);
    warnings = Convert(record);
  } catch (const RunError& error) {
    Report(error, record.line_number);
    return false;
  } catch (const std::exception& error) {
    Report(RunError(u"予期しないエラーが発生しました: " + FromHostPath(error.what())), 0);
    return false;
  }
  ui_.SetStatus(kSuccessText);
  ui_.SetBusy(false);
  warnings.insert(warnings.begin(), source_warnings_.begin(), source_warnings_.end());
  if (!warnings.empty()) ui_.ShowWarnings(warnings);
  return true;
}

bool ConversionRun::Prepare() {
  return CheckPaths() && CheckTag() && CheckValues() && MakeDestinationFolders();
}

std::vector<std::u16string> ConversionRun::Convert(Record& record) {
  PatternStore& store = OpenStore();
  LineReader source;
  RunContext ctx(env_, source, record, destination_, store);
  ctx.tables.l4 = ctx.CodeTable(u"L4.TXT");
  ctx.tables.l100 = ctx.CodeTable(u"L100.TXT");
  ctx.tables.l8 = ctx.CodeTable(u"L8.TXT");
  ctx.tables.l10 = ctx.CodeTable(u"L10.TXT");
  SectionState state;
  state.destination = destination_;
  state.deepest = FindDeepestLayer(record);
  OpenSource(source);
  RunSectionsOnce(ctx, state);
  return ctx.full_tables.Warnings();
}

// Runs the sections, then clears what an earlier boring left. A run that
// stops after writing clears it too, so that the folder never holds two
// borings, and says the one it holds is incomplete.
void ConversionRun::RunSectionsOnce(RunContext& ctx, SectionState& state) {
  try {
    RunSections(ctx, state);
  } catch (const RunError& error) {
    if (ctx.created_outputs().empty()) throw;
    try {
      RemoveOtherOutputs(ctx);
    } catch (const RunError&) {  // the first error is the one to tell
    }
    throw error.WithNote(kIncompleteNote);
  }
  RemoveOtherOutputs(ctx);
}

void ConversionRun::RemoveOtherOutputs(const RunContext& ctx) const {
  std::vector<std::u16string> failed =
      bc::RemoveOtherOutputs(fs_, env_.HostPath(destination_), ctx.created_outputs());
  if (failed.empty()) return;
  throw RunError(u"変換先フォルダに残る前のボーリングのファイルを削除できません: " + destination_ +
                 failed[0] + u"\n" + kIncompleteNote);
}

bool ConversionRun::CheckPaths() {
  destination_ = request_.destination_text;
  DestinationCheck check = ValidateDestinationPath(destination_, env_);
  if (check == DestinationCheck::kBadDriveName) {
    ui_.ShowMessage(BadDriveNameMessage(), MessageStyle::kInformation, u"");
  }
  if (check != DestinationCheck::kValid) {
    ui_.ShowMessage(u"指定されたパスは正しくありません。", MessageStyle::kExclamation,
                    request_.destination_text);
    ui_.FocusDestination();
    return false;
  }
  source_path_ = std::u16string(TrimBlanks(request_.source_text));
  if (source_path_.empty()) {
    ui_.ShowMessage(u"変換元ファイルが選択されていません。", MessageStyle::kOk, u"");
    return false;
  }
  if (IsBlankText(request_.destination_text)) {
    ui_.ShowMessage(u"変換先ﾌｫﾙﾀﾞが選択されていません。", MessageStyle::kOk, u"");
    return false;
  }
  return true;
}

// Reads the source, the one time it is read from the disk; an exchange XML
// file is imported into the record file it stands for, which is then read as
// if it were the source.
bool ConversionRun::CheckTag() {
  bool tagged = false;
  ReadStatus status = fs_.ReadFile(env_.HostPath(source_path_), &source_bytes_);
  if (status == ReadStatus::kReadError) throw RunError(CannotReadMessage(source_path_));
  if (status == ReadStatus::kCannotOpen) source_bytes_.clear();
  LineReader source;
  if (status == ReadStatus::kOk) {
    if (LooksLikeExchangeXml(source_bytes_)) {
      source_bytes_ = ImportSource();
    } else {
      DecodeSourceBytes();
    }
    source.OpenBytes(source_bytes_);
    tagged = !source.AtEnd() && IsSourceTagLine(source.ReadLine());
  }
  if (!tagged) {
    ui_.ShowMessage(u"選択された変換元ファイルは違います。", MessageStyle::kOk,
                    request_.source_text);
    return false;
  }
  return true;
}

// The source as code-page bytes, whatever encoding it was saved in. A file
// that is no text of any is refused by the tag check when it does not even
// start with the tag, as any other file that is no record file.
void ConversionRun::DecodeSourceBytes() {
  SourceDecoding read = DecodeSource(source_bytes_);
  if (read.problem == SourceDecoding::Problem::kNone) {
    source_bytes_ = std::move(read.bytes);
    return;
  }
  LineReader raw;
  raw.OpenBytes(source_bytes_);
  if (raw.AtEnd() || !IsSourceTagLine(raw.ReadLine())) return;
  throw RunError(u"変換元ファイルの " + std::u16string(TrimBlanks(StrInteger(read.line))) +
                 u" 行目: " + SourceEncodingMessage(read));
}

// Warns of suspicious values, or stops on them before anything is written.
bool ConversionRun::CheckValues() {
  source_warnings_ = CheckSourceNumbers(source_bytes_);
  if (!request_.strict || source_warnings_.empty()) return true;
  std::u16string text =
      u"変換元ファイルに疑わしい値が " +
      std::u16string(TrimBlanks(StrInteger(static_cast<long long>(source_warnings_.size())))) +
      u" 件あります。疑わしい値で止める設定のため、何も書かずに停止しました。";
  for (const std::u16string& warning : source_warnings_) text += u"\n" + warning;
  ui_.SetStatus(u"");
  ui_.ShowMessage(text, MessageStyle::kError, u"");
  return false;
}

bool ConversionRun::MakeDestinationFolders() {
  std::vector<std::u16string> parts;
  std::size_t count = static_cast<std::size_t>(CountSeparators(destination_, u"\\"));
  SplitAtSeparators(destination_, u"\\", parts);
  auto exists = [&](const std::u16string& path) { return fs_.Exists(env_.HostPath(path)); };

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
  if (!missing) return true;
  if (ui_.ShowMessage(u"ﾌｫﾙﾀﾞがありません。新規作成しますか？", MessageStyle::kYesNoQuestion,
                      u"") != Answer::kYes) {
    return false;
  }
  for (std::size_t i = 1; i < prefixes.size(); ++i) {
    if (exists(prefixes[i])) continue;
    if (!fs_.CreateFolder(env_.HostPath(prefixes[i]))) {
      throw RunError(u"フォルダを作成できません: " + prefixes[i]);
    }
  }
  return true;
}

PatternStore& ConversionRun::OpenStore() {
  if (store_) return *store_;
  own_store_ = OpenPatternStore(env_, request_.patdat_path, ui_, options_);
  return *own_store_;
}

std::string ConversionRun::ImportSource() const {
  try {
    return ImportExchangeXml(source_bytes_);
  } catch (const RunError& error) {
    throw RunError(std::u16string(TrimBlanks(request_.source_text)) + u": " + error.message());
  }
}

void ConversionRun::OpenSource(LineReader& source) const { source.OpenBytes(source_bytes_); }

// The first pass: the largest depth of the code-2000 records, −999 without any.
// It reads into the run's one record, so a short header record that follows
// sees the fields the record ending this pass left.
double ConversionRun::FindDeepestLayer(Record& record) const {
  LineReader source;
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

// "変換元ファイルの 12 行目 2 番目の項目「7.6O」", or the line itself quoted
// (shortened) when the error is not about one field.
std::u16string ConversionRun::SourcePlace(long line_number, int field) const {
  LineReader source;
  OpenSource(source);
  std::u16string line;
  while (!source.AtEnd() && source.line_number() < line_number) line = source.ReadLine();
  std::u16string place =
      u"変換元ファイルの " + std::u16string(TrimBlanks(StrInteger(line_number))) + u" 行目";
  if (source.line_number() != line_number) return place;  // a line the bytes do not hold
  if (std::optional<std::u16string_view> text = FieldOfLine(line, field)) {
    place += u" " + std::u16string(TrimBlanks(StrInteger(field))) + u" 番目の項目";
    line = std::u16string(*text);
  }
  constexpr std::size_t kShown = 40;
  if (line.size() > kShown) line = line.substr(0, kShown) + u"…";
  return place + u"「" + line + u"」";
}

void ConversionRun::Report(const RunError& error, long line_number) {
  std::u16string text = error.message();
  if (error.line_number() > 0) line_number = error.line_number();
  if (error.at_current_line() && line_number > 0) {
    text = SourcePlace(line_number, error.field()) + u": " + text;
  }
  ui_.SetBusy(false);
  ui_.SetStatus(u"");
  ui_.ShowMessage(text, MessageStyle::kError, u"");
}

}  // namespace

std::unique_ptr<PatternStore> OpenPatternStore(const Environment& env, std::u16string folder,
                                               RunUi& ui, const RunOptions& options) {
  PatternStore::Options store_options;
  store_options.file_system = options.file_system;
  store_options.lock_timeout = options.lock_timeout;
  bool waited = false;
  store_options.on_wait = [&] {
    waited = true;
    ui.ShowWaiting(kWaitingText);
  };
  auto store = PatternStore::Open(env, std::move(folder), store_options);
  if (waited) ui.SetStatus(kWorkingText);
  return store;
}

bool RunConversion(const RunRequest& request, Environment& env, RunUi& ui) {
  return RunConversion(request, env, ui, RunOptions());
}

bool RunConversion(const RunRequest& request, Environment& env, RunUi& ui,
                   const RunOptions& options) {
  return ConversionRun(request, env, ui, options, nullptr).Run();
}

bool RunConversion(const RunRequest& request, Environment& env, RunUi& ui, PatternStore& store) {
  RunOptions options;
  return ConversionRun(request, env, ui, options, &store).Run();
}

}  // namespace bc

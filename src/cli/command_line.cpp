#include "cli/command_line.h"

#include <cstdlib>
#include <system_error>

#include "cli/import_command.h"
#include "cli/terminal.h"
#include "environment/patdat_search.h"
#include "environment/settings.h"
#include "run/conversion.h"
#include "run/run_ui.h"
#include "text/utf8.h"

namespace bc {
namespace {

constexpr char16_t kSuccessText[] = u"変換が正常に終了しました。";
constexpr char16_t kNoPatdatText[] = u" PATDAT の設定がありません.";

// The run's user interface on a terminal: messages go to standard error,
// the folder question takes --yes/--no or asks.
class TerminalUi : public RunUi {
 public:
  explicit TerminalUi(std::optional<bool> answer) : answer_(answer) {}

  void SetStatus(std::u16string_view text) override { status_ = text; }
  void SetBusy(bool) override {}
  void Repaint() override {}

  int ShowMessage(std::u16string_view text, int style, std::u16string_view) override {
    if (style != kStyleYesNoQuestion) {
      WriteText(stderr, std::u16string(text) + u"\n");
      return kAnswerOk;
    }
    if (answer_) return *answer_ ? kAnswerYes : kAnswerNo;
    if (!InputIsTerminal()) {
      WriteText(stderr, std::u16string(text) + u" いいえ (--yes で作成します)\n");
      return kAnswerNo;
    }
    WriteText(stderr, std::u16string(text) + u" [y/N] ");
    std::u16string reply;
    if (!ReadAnswer(&reply)) return kAnswerNo;
    return reply == u"y" || reply == u"Y" || reply == u"yes" || reply == u"はい" ? kAnswerYes
                                                                                 : kAnswerNo;
  }

  const std::u16string& status() const { return status_; }

 private:
  std::optional<bool> answer_;
  std::u16string status_;
};

// A host path as the drive path of the longest matching drive root.
std::optional<std::u16string> AsDrivePath(const Environment& env, const std::u16string& text) {
  if (IsDrivePath(text)) return text;
  return env.drives().ToDrivePath(ToHostPath(text));
}

std::u16string ResolvePatdat(const Environment& env, const std::optional<std::u16string>& option) {
  if (option) {
    std::optional<std::u16string> drive_path = AsDrivePath(env, *option);
    if (drive_path) return WithTrailingBackslash(*drive_path);
    std::error_code ec;
    return WithTrailingBackslash(FromHostPath(std::filesystem::absolute(ToHostPath(*option), ec)));
  }
  std::u16string setting = LoadPatdatSetting(SystemFolder());
  if (!setting.empty()) return setting;
  return FindPatdatFolder(env, nullptr);
}

int Fail(int code, const std::u16string& message) {
  WriteText(stderr, message + u"\n");
  return code;
}

}  // namespace

std::optional<CommandLine> ParseCommandLine(const std::vector<std::u16string>& args,
                                            std::u16string* error) {
  CommandLine line;
  std::vector<std::u16string> positional;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::u16string& arg = args[i];
    auto value = [&](std::u16string* out) {
      if (i + 1 >= args.size()) {
        *error = arg + u" には値が必要です。";
        return false;
      }
      *out = args[++i];
      return true;
    };
    if (arg == u"--help" || arg == u"-h") {
      line.help = true;
    } else if (arg == u"--version") {
      line.version = true;
    } else if (arg == u"--yes" || arg == u"--no") {
      if (line.answer && *line.answer != (arg == u"--yes")) {
        *error = u"--yes と --no は同時に指定できません。";
        return std::nullopt;
      }
      line.answer = arg == u"--yes";
    } else if (arg == u"--patdat") {
      std::u16string folder;
      if (!value(&folder)) return std::nullopt;
      line.patdat = folder;
    } else if (arg == u"--drive") {
      std::u16string spec;
      if (!value(&spec)) return std::nullopt;
      line.drives.push_back(spec);
    } else if (arg.size() > 1 && arg[0] == u'-' && arg != u"--") {
      *error = u"不明なオプションです: " + arg;
      return std::nullopt;
    } else {
      positional.push_back(arg);
    }
  }
  if (line.help || line.version) return line;
  if (positional.size() != 2) {
    *error = u"変換元ファイルと変換先フォルダを指定してください。";
    return std::nullopt;
  }
  line.source = positional[0];
  line.destination = positional[1];
  return line;
}

std::u16string UsageText() {
  return u"使い方: boringconv [--patdat DIR] [--drive L=DIR]... [--yes | --no] SOURCE DEST\n"
         u"\n"
         u"ボーリングの変換元ファイル SOURCE を、変換先フォルダ DEST に変換します。\n"
         u"\n"
         u"  SOURCE          変換元ファイル (C:\\data\\b.txt のようなドライブ付きのパス、\n"
         u"                  またはこの端末のパス)\n"
         u"  DEST            変換先フォルダ (C:\\Q\\ABCDEF\\G のようなドライブ付きのパス、\n"
         u"                  またはこの端末のパス)\n"
         u"  --patdat DIR    パターンデータ (PATDAT) フォルダ。省略時は設定ファイル\n"
         u"                  PatdatV5.ini、次にドライブの検索で決めます\n"
         u"  --drive L=DIR   ドライブ L: をフォルダ DIR に割り当てます (繰り返し可)\n"
         u"  --yes, --no     「ﾌｫﾙﾀﾞがありません。新規作成しますか？」への答え\n"
         u"  --help          この説明を表示します\n"
         u"  --version       版を表示します\n"
         u"\n"
         u"終了コード: 0 正常終了、1 変換がメッセージで止まった、2 呼び出しの誤り\n";
}

int RunCommandLine(const std::vector<std::u16string>& args) {
  if (!args.empty() && args[0] == u"import") {
    return RunImportCommand(std::vector<std::u16string>(args.begin() + 1, args.end()));
  }
  std::u16string error;
  std::optional<CommandLine> line = ParseCommandLine(args, &error);
  if (!line) return Fail(2, error + u"\n\n" + UsageText());
  if (line->help) {
    WriteText(stdout, UsageText());
    return 0;
  }
  if (line->version) {
    WriteText(stdout, u"boringconv " + FromUtf8(BORINGCONV_VERSION) + u"\n");
    return 0;
  }

  Environment env(DriveMap(), {});
  if (!LoadEnvironment(SystemFolder(), &env, &error)) return Fail(1, error);
  for (const std::u16string& spec : line->drives) {
    if (!env.drives().MapSpec(spec)) {
      return Fail(2, u"--drive は L=フォルダ の形で指定してください: " + spec);
    }
  }

  RunRequest request;
  request.patdat_path = ResolvePatdat(env, line->patdat);
  if (request.patdat_path.empty()) return Fail(1, kNoPatdatText);
  request.source_text = line->source;
  std::optional<std::u16string> destination = AsDrivePath(env, line->destination);
  if (!destination) {
    return Fail(1, u"変換先フォルダがどのドライブにもありません: " + line->destination);
  }
  request.destination_text = *destination;

  TerminalUi ui(line->answer);
  if (!RunConversion(request, env, ui)) return 1;
  WriteText(stdout, std::u16string(kSuccessText) + u"\n");
  return 0;
}

}  // namespace bc

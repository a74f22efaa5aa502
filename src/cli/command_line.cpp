#include "cli/command_line.h"

#include <cstdio>
#include <filesystem>
#include <string_view>
#include <system_error>
#include <vector>

#include "cli/batch_command.h"
#include "cli/import_command.h"
#include "cli/preview_file.h"
#include "cli/terminal.h"
#include "conversion/conversion.h"
#include "environment/patdat_search.h"
#include "environment/settings.h"
#include "run/run_ui.h"
#include "text/utf8.h"

namespace bc {
namespace {

constexpr char16_t kSuccessText[] = u"変換が正常に終了しました。";
constexpr char16_t kNoPatdatText[] = u" PATDAT の設定がありません.";
constexpr char16_t kHelpHint[] = u"（使い方: boringconv --help）";

// One option of the command line. Adding an option is one entry in kOptions
// (and its lines in UsageText).
struct Option {
  std::u16string_view name;
  std::u16string_view alias;
  bool takes_value;
  // Records the option (value is empty for one without a value); false with
  // error set when the call is wrong.
  bool (*apply)(CommandLine& line, const std::u16string& value, std::u16string* error);
};

bool SetAnswer(CommandLine& line, bool yes, std::u16string* error) {
  if (line.answer && *line.answer != yes) {
    *error = u"--yes と --no は同時に指定できません。";
    return false;
  }
  line.answer = yes;
  return true;
}

constexpr Option kOptions[] = {
    {u"--help", u"-h", false,
     [](CommandLine& line, const std::u16string&, std::u16string*) {
       line.help = true;
       return true;
     }},
    {u"--version", u"", false,
     [](CommandLine& line, const std::u16string&, std::u16string*) {
       line.version = true;
       return true;
     }},
    {u"--yes", u"", false,
     [](CommandLine& line, const std::u16string&, std::u16string* error) {
       return SetAnswer(line, true, error);
     }},
    {u"--no", u"", false,
     [](CommandLine& line, const std::u16string&, std::u16string* error) {
       return SetAnswer(line, false, error);
     }},
    {u"--patdat", u"", true,
     [](CommandLine& line, const std::u16string& value, std::u16string*) {
       line.patdat = value;
       return true;
     }},
    {u"--save-patdat", u"", false,
     [](CommandLine& line, const std::u16string&, std::u16string*) {
       line.save_patdat = true;
       return true;
     }},
    {u"--drive", u"", true,
     [](CommandLine& line, const std::u16string& value, std::u16string*) {
       line.drives.push_back(value);
       return true;
     }},
    {u"--into", u"", true,
     [](CommandLine& line, const std::u16string& value, std::u16string*) {
       line.into = value;
       return true;
     }},
    {u"--strict", u"", false,
     [](CommandLine& line, const std::u16string&, std::u16string*) {
       line.strict = true;
       return true;
     }},
    {u"--preview", u"", true,
     [](CommandLine& line, const std::u16string& value, std::u16string*) {
       line.preview = value;
       return true;
     }},
    {u"--previews", u"", true,
     [](CommandLine& line, const std::u16string& value, std::u16string*) {
       line.previews = value;
       return true;
     }},
    {u"--overview", u"", true,
     [](CommandLine& line, const std::u16string& value, std::u16string*) {
       line.overview = value;
       return true;
     }},
};

const Option* FindOption(std::u16string_view name) {
  for (const Option& option : kOptions) {
    if (name == option.name || (!option.alias.empty() && name == option.alias)) return &option;
  }
  return nullptr;
}

// "-" alone names standard input by custom, so it stays a path.
bool LooksLikeOption(std::u16string_view arg) { return arg.size() > 1 && arg[0] == u'-'; }

// Takes SOURCE and DEST, or nothing when the call only saves the settings.
bool TakePaths(const std::vector<std::u16string>& positional, CommandLine& line,
               std::u16string* error) {
  if (line.save_patdat && !line.patdat) {
    *error = u"--save-patdat には --patdat DIR が必要です。";
    return false;
  }
  if (positional.empty() && line.save_patdat) return true;
  if (line.into) {
    if (line.preview) {
      *error = u"--into では --preview ではなく --previews DIR を使ってください。";
      return false;
    }
    if (positional.empty()) {
      *error = u"--into には変換元ファイルかフォルダを 1 つ以上指定してください。";
      return false;
    }
    line.sources = positional;
    return true;
  }
  if (line.previews) {
    *error = u"--previews は --into と使います (1 本なら --preview FILE.svg)。";
    return false;
  }
  if (line.overview) {
    *error = u"--overview は --into と使います。";
    return false;
  }
  if (positional.size() > 2) {
    *error = u"余分な引数があります: " + positional[2];
    return false;
  }
  if (positional.size() < 2) {
    *error = positional.empty() ? u"変換元ファイルと変換先フォルダを指定してください。"
                                : u"変換先フォルダを指定してください。";
    return false;
  }
  line.source = positional[0];
  line.destination = positional[1];
  return true;
}

// The run's user interface on a terminal: messages go to err, the folder
// question takes --yes/--no or asks.
class TerminalUi : public RunUi {
 public:
  TerminalUi(std::optional<bool> answer, std::FILE* err) : answer_(answer), err_(err) {}

  void SetStatus(std::u16string_view text) override { status_ = text; }
  void ShowWaiting(std::u16string_view text) override {
    status_ = text;
    WriteText(stderr, std::u16string(text) + u"\n");
  }
  void SetBusy(bool) override {}
  void Repaint() override {}

  Answer ShowMessage(std::u16string_view text, MessageStyle style, std::u16string_view) override {
    if (style != MessageStyle::kYesNoQuestion) {
      WriteText(err_, std::u16string(text) + u"\n");
      return Answer::kOk;
    }
    if (answer_ && *answer_) return Answer::kYes;
    if (answer_) {  // the run stops here: say why
      WriteText(err_, std::u16string(text) + u" いいえ (--no)\n");
      return Answer::kNo;
    }
    if (!InputIsTerminal()) {
      WriteText(err_, std::u16string(text) + u" いいえ (--yes で作成します)\n");
      return Answer::kNo;
    }
    WriteText(err_, std::u16string(text) + u" [y/N] ");
    std::u16string reply;
    if (!ReadAnswer(&reply)) return Answer::kNo;
    return reply == u"y" || reply == u"Y" || reply == u"yes" || reply == u"はい" ? Answer::kYes
                                                                                 : Answer::kNo;
  }

  // Kept to follow the success text.
  void ShowWarnings(const std::vector<std::u16string>& warnings) override { warnings_ = warnings; }

  const std::vector<std::u16string>& warnings() const { return warnings_; }

 private:
  std::optional<bool> answer_;
  std::FILE* err_;
  std::u16string status_;
  std::vector<std::u16string> warnings_;
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

int Fail(std::FILE* err, int code, const std::u16string& message) {
  WriteText(err, message + u"\n");
  return code;
}

// A wrong call: what was wrong, and where the usage is, not the usage itself.
int WrongCall(std::FILE* err, const std::u16string& what) {
  return Fail(err, 2, u"boringconv: " + what + u" " + kHelpHint);
}

// Names the pattern-data folder in PatdatV5.ini. Only a folder holding the
// soil-name table is saved: any other would make every later run stop.
int SavePatdat(const Environment& env, const std::u16string& folder, std::FILE* out,
               std::FILE* err) {
  std::optional<std::u16string> drive_path = AsDrivePath(env, folder);
  if (!drive_path) return Fail(err, 1, u"PATDAT フォルダがどのドライブにもありません: " + folder);
  std::u16string patdat = WithTrailingBackslash(*drive_path);
  std::error_code ec;
  if (!std::filesystem::is_regular_file(env.HostPath(patdat + u"kishitu.txt"), ec)) {
    return Fail(err, 1, u"PATDAT フォルダに kishitu.txt がありません: " + folder);
  }
  std::filesystem::path settings = SystemFolder();
  if (!SavePatdatSetting(settings, patdat)) {
    return Fail(err, 1,
                u"設定ファイルに書き込めません: " + FromHostPath(settings / "PatdatV5.ini"));
  }
  WriteText(out, u"PatdatV5.ini に " + patdat + u" を書きました。\n");
  return 0;
}

int Convert(Environment& env, const CommandLine& line, std::FILE* out, std::FILE* err) {
  RunRequest request;
  request.patdat_path = ResolvePatdat(env, line.patdat);
  if (request.patdat_path.empty()) return Fail(err, 1, kNoPatdatText);
  request.source_text = line.source;
  request.strict = line.strict;
  std::optional<std::u16string> destination = AsDrivePath(env, line.destination);
  if (!destination) {
    return Fail(err, 1, u"変換先フォルダがどのドライブにもありません: " + line.destination);
  }
  request.destination_text = *destination;

  std::optional<PreviewFile> preview;
  if (line.preview) preview.emplace(env.HostPath(*destination), ToHostPath(*line.preview));
  TerminalUi ui(line.answer, err);
  if (!RunConversion(request, env, ui)) return 1;
  WriteText(out, std::u16string(kSuccessText) + u"\n");
  std::fflush(out);
  for (const std::u16string& warning : ui.warnings()) WriteText(err, warning + u"\n");
  if (preview) {
    if (std::optional<std::u16string> failure = preview->Write()) return Fail(err, 1, *failure);
  }
  return 0;
}

int ConvertBatch(Environment& env, const CommandLine& line, std::FILE* out, std::FILE* err) {
  BatchCall call;
  call.patdat = ResolvePatdat(env, line.patdat);
  if (call.patdat.empty()) return Fail(err, 1, kNoPatdatText);
  std::optional<std::u16string> root = AsDrivePath(env, *line.into);
  if (!root) return Fail(err, 1, u"変換先フォルダがどのドライブにもありません: " + *line.into);
  call.root = *root;
  call.sources = line.sources;
  call.answer = line.answer;
  call.previews = line.previews;
  call.overview = line.overview;
  call.strict = line.strict;
  return RunBatchCommand(env, call, out, err);
}

}  // namespace

std::optional<CommandLine> ParseCommandLine(const std::vector<std::u16string>& args,
                                            std::u16string* error) {
  CommandLine line;
  std::vector<std::u16string> positional;
  bool options_ended = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::u16string& arg = args[i];
    if (options_ended || !LooksLikeOption(arg)) {
      positional.push_back(arg);
      continue;
    }
    if (arg == u"--") {
      options_ended = true;
      continue;
    }
    // "--name=value" as well as "--name value".
    std::size_t equals = arg.starts_with(u"--") ? arg.find(u'=') : std::u16string::npos;
    std::u16string name = arg.substr(0, equals);
    const Option* option = FindOption(name);
    if (option == nullptr) {
      *error = u"不明なオプションです: " + name;
      return std::nullopt;
    }
    std::u16string value;
    if (equals != std::u16string::npos) {
      if (!option->takes_value) {
        *error = name + u" は値を取りません。";
        return std::nullopt;
      }
      value = arg.substr(equals + 1);
    } else if (option->takes_value) {
      if (i + 1 >= args.size()) {
        *error = name + u" には値が必要です。";
        return std::nullopt;
      }
      value = args[++i];
    }
    if (!option->apply(line, value, error)) return std::nullopt;
  }
  if (line.help || line.version) return line;
  if (!TakePaths(positional, line, error)) return std::nullopt;
  return line;
}

std::u16string UsageText() {
  return u"使い方:\n"
         u"  boringconv [オプション] SOURCE DEST          1 本のボーリングを変換します\n"
         u"  boringconv [オプション] --into ROOT SOURCE...  何本でもまとめて変換します\n"
         u"  boringconv import [--output FILE] XML        交換用 XML を変換元ファイルにします\n"
         u"  boringconv --patdat DIR --save-patdat        PATDAT フォルダを設定に書きます\n"
         u"\n"
         u"  SOURCE  変換元ファイル (ボーリング記録ファイルまたは交換用 XML)。C:\\data\\b.txt\n"
         u"          のようなドライブ付きのパス、またはこの端末のパス\n"
         u"  DEST    変換先フォルダ。C:\\Q\\ABCDEF\\G のようなドライブ付きのパス、\n"
         u"          またはこの端末のパス (いちばん長く一致するドライブのパスにします)\n"
         u"          例: boringconv --yes samples/boring.txt /tmp/out\n"
         u"\n"
         u"オプション:\n"
         u"  --patdat DIR        パターンデータ (PATDAT) フォルダ。省略時は設定ファイル\n"
         u"                      PatdatV5.ini、次にドライブの検索で決めます\n"
         u"                      例: boringconv --patdat /srv/patdat b.txt /srv/out\n"
         u"  --save-patdat       --patdat のフォルダを設定ファイル PatdatV5.ini に書きます。\n"
         u"                      SOURCE と DEST がなければ書くだけで終わります\n"
         u"                      例: boringconv --patdat 'C:\\PATDAT' --save-patdat\n"
         u"  --drive L=DIR       ドライブ L: をフォルダ DIR に割り当てます (繰り返し可)\n"
         u"                      例: boringconv --drive C=/srv/c 'C:\\b.txt' 'C:\\Q\\ABCDEF\\G'\n"
         u"  --yes, --no         「ﾌｫﾙﾀﾞがありません。新規作成しますか？」への答え。\n"
         u"                      どちらもなければ端末で尋ね、端末でなければ「いいえ」\n"
         u"                      例: boringconv --yes b.txt /srv/out/G\n"
         u"  --into ROOT         各 SOURCE (ファイルまたはフォルダ) を ROOT\\<ファイル名> に\n"
         u"                      変換します\n"
         u"                      例: boringconv --yes --into 'C:\\Q\\SITE' borings/\n"
         u"  --strict            変換元ファイルに疑わしい値 (全角の数字、数字に混じった文字、\n"
         u"                      順序の逆な地層の深さなど) があれば、警告の代わりに何も\n"
         u"                      書かずに停止します\n"
         u"                      例: boringconv --strict b.txt /srv/out/G\n"
         u"  --preview FILE.svg  変換したボーリングの図を SVG で書きます\n"
         u"                      例: boringconv --preview b.svg b.txt /srv/out/G\n"
         u"  --previews DIR      --into で、各ボーリングの図を DIR/<ファイル名>.svg に書きます\n"
         u"                      例: boringconv --into 'C:\\Q\\SITE' --previews figs borings/\n"
         u"                      現場の一覧図も ROOT\\overview.svg に書きます\n"
         u"  --overview FILE.svg --into で、全ボーリングを標高 (なければ深度) で並べた\n"
         u"                      現場の一覧図を書きます\n"
         u"                      例: boringconv --into 'C:\\Q\\SITE' --overview site.svg borings/\n"
         u"  --output FILE       import の書き出し先 (省略時は標準出力)\n"
         u"                      例: boringconv import --output b.txt b.xml\n"
         u"  --                  これより後はオプションとみなしません\n"
         u"                      例: boringconv -- -b.txt /srv/out/G\n"
         u"  --help, -h          この説明を表示します\n"
         u"                      例: boringconv --help\n"
         u"  --version           版を表示します\n"
         u"                      例: boringconv --version\n"
         u"\n"
         u"終了コード: 0 正常終了、1 変換がメッセージで止まった、2 呼び出しの誤り\n";
}

int RunCommandLine(const std::vector<std::u16string>& args, std::FILE* out, std::FILE* err) {
  if (!args.empty() && args[0] == u"import") {
    return RunImportCommand(std::vector<std::u16string>(args.begin() + 1, args.end()));
  }
  std::u16string error;
  std::optional<CommandLine> line = ParseCommandLine(args, &error);
  if (!line) return WrongCall(err, error);
  if (line->help) {
    WriteText(out, UsageText());
    return 0;
  }
  if (line->version) {
    WriteText(out, u"boringconv " + FromUtf8(BORINGCONV_VERSION) + u"\n");
    return 0;
  }

  Environment env(DriveMap(), {});
  if (std::optional<std::u16string> problem = LoadEnvironment(SystemFolder(), env)) {
    return Fail(err, 1, *problem);
  }
  for (const std::u16string& spec : line->drives) {
    if (!env.drives().MapSpec(spec)) {
      return WrongCall(err, u"--drive は L=フォルダ の形で指定してください: " + spec);
    }
  }
  if (line->save_patdat) {
    int code = SavePatdat(env, *line->patdat, out, err);
    if (code != 0 || (line->source.empty() && !line->into)) return code;
  }
  if (line->into) return ConvertBatch(env, *line, out, err);
  return Convert(env, *line, out, err);
}

int RunCommandLine(const std::vector<std::u16string>& args) {
  return RunCommandLine(args, stdout, stderr);
}

}  // namespace bc

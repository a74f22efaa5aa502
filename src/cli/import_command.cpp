#include "cli/import_command.h"

#include <cstdio>
#include <filesystem>

#include "cli/terminal.h"
#include "environment/environment.h"
#include "exchange/exchange_import.h"
#include "run/file_system.h"
#include "run/run_error.h"
#include "run/table_file.h"
#include "text/codepage.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace bc {
namespace {

int Fail(int code, const std::u16string& message) {
  WriteText(stderr, message + u"\n");
  return code;
}

// The file's bytes; nothing when it cannot be read, is not a plain file, or
// is too big to be an exchange XML file (it is not read then).
std::optional<std::string> ReadXml(const std::filesystem::path& path, std::u16string* error,
                                   const std::u16string& name) {
  std::string bytes;
  switch (FileSystem::Default().ReadFile(path, kMaxExchangeXmlBytes, &bytes)) {
    case ReadStatus::kOk:
      return bytes;
    case ReadStatus::kTooLarge:
      *error = name + u": XML ファイルが大きすぎます（64 MiB まで）。";
      return std::nullopt;
    case ReadStatus::kReadError:
      *error = CannotReadMessage(name, LastFileError());
      return std::nullopt;
    case ReadStatus::kCannotOpen:
      break;
  }
  *error = CannotOpenMessage(name, LastFileError());
  return std::nullopt;
}

bool WriteStandardOutput(const std::string& bytes) {
#ifdef _WIN32
  _setmode(_fileno(stdout), _O_BINARY);  // CR LF as they are
#endif
  return std::fwrite(bytes.data(), 1, bytes.size(), stdout) == bytes.size() &&
         std::fflush(stdout) == 0;
}

}  // namespace

std::optional<ImportLine> ParseImportLine(const std::vector<std::u16string>& args,
                                          std::u16string* error) {
  ImportLine line;
  std::vector<std::u16string> positional;
  bool options_end = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::u16string& arg = args[i];
    if (options_end) {
      positional.push_back(arg);
    } else if (arg == u"--help" || arg == u"-h") {
      line.help = true;
    } else if (arg == u"--output" || arg == u"-o") {
      if (i + 1 >= args.size()) {
        *error = arg + u" には値が必要です。";
        return std::nullopt;
      }
      line.output = args[++i];
    } else if (arg == u"--utf8") {
      // The messages' encoding, taken by the command line before this.
    } else if (arg == u"--") {
      options_end = true;
    } else if (arg.size() > 1 && arg[0] == u'-') {
      *error = u"不明なオプションです: " + arg;
      return std::nullopt;
    } else {
      positional.push_back(arg);
    }
  }
  if (line.help) return line;
  if (positional.size() != 1) {
    *error = u"読み込む XML ファイルを 1 つ指定してください。";
    return std::nullopt;
  }
  line.xml = positional[0];
  return line;
}

std::u16string ImportUsageText() {
  return u"使い方: boringconv import [--output FILE] XML\n"
         u"\n"
         u"ボーリング交換用データの XML ファイルを読み、変換元ファイル (シフト JIS、CR LF)\n"
         u"を書きます。内容を確かめたり直したりしてから変換できます。\n"
         u"\n"
         u"  XML             ボーリング交換用データ (DTD 2.x、3.00、4.00) の XML ファイル\n"
         u"  --output FILE   書き出す変換元ファイル。省略時は標準出力に書きます\n"
         u"  --utf8          メッセージを UTF-8 で書きます (Windows でファイルやパイプへ)\n"
         u"  --help          この説明を表示します\n"
         u"\n"
         u"終了コード: 0 正常終了、1 XML を読めない・書き込めない、2 呼び出しの誤り\n";
}

int RunImportCommand(const std::vector<std::u16string>& args) {
  std::u16string error;
  std::optional<ImportLine> line = ParseImportLine(args, &error);
  if (!line) return Fail(2, error + u"\n\n" + ImportUsageText());
  if (line->help) {
    WriteText(stdout, ImportUsageText());
    return 0;
  }
  if (!AnsiCodePageReady()) return Fail(1, CodePageMissingMessage());
  std::optional<std::string> bytes = ReadXml(ToHostPath(line->xml), &error, line->xml);
  if (!bytes) return Fail(1, error);
  std::string records;
  try {
    records = ImportExchangeXml(*bytes);
  } catch (const RunError& e) {
    return Fail(1, line->xml + u": " + e.message());
  }
  if (!line->output)
    return WriteStandardOutput(records) ? 0 : Fail(1, u"標準出力に書き込めません。");
  // Through a scratch file of a name of its own: a failed write leaves no
  // partial record file, and two imports to one file leave one of them whole.
  try {
    ReplaceFileBytes(FileSystem::Default(), ToHostPath(*line->output), *line->output, records);
  } catch (const RunError& e) {
    return Fail(1, e.message());
  }
  return 0;
}

}  // namespace bc

#include "cli/import_command.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "cli/terminal.h"
#include "environment/environment.h"
#include "environment/replace_file.h"
#include "exchange/exchange_import.h"
#include "run/run_error.h"

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

// The file's bytes; nothing when it cannot be read or is too big to be an
// exchange XML file (it is not read then).
std::optional<std::string> ReadXml(const std::filesystem::path& path, std::u16string* error,
                                   const std::u16string& name) {
  std::error_code ec;
  std::uintmax_t size = std::filesystem::file_size(path, ec);
  if (!ec && size > kMaxExchangeXmlBytes) {
    *error = name + u": XML ファイルが大きすぎます（64 MiB まで）。";
    return std::nullopt;
  }
  std::ifstream in(path, std::ios::binary);
  std::string bytes;
  if (in && !ec) {
    bytes.resize(static_cast<std::size_t>(size));
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
  }
  if (!in || ec) {
    *error = CannotOpenMessage(name);
    return std::nullopt;
  }
  return bytes;
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
  // Through a scratch file: a failed write leaves no partial record file.
  if (!WriteFileAtOnce(ToHostPath(*line->output), records)) {
    return Fail(1, CannotWriteMessage(*line->output));
  }
  return 0;
}

}  // namespace bc

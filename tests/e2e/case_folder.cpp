#include "e2e/case_folder.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>

#include "support/section_fixture.h"
#include "text/codepage.h"
#include "text/utf8.h"

namespace bc::testing {
namespace {

void WriteFile(const std::filesystem::path& file, const std::string& bytes) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out << bytes;
}

std::string Quote(const std::string& text) {
  std::string quoted = "'";
  for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

}  // namespace

std::string ToAnsiCrLf(const std::string& utf8) {
  std::string bytes;
  std::size_t start = 0;
  while (start < utf8.size()) {
    std::size_t end = utf8.find('\n', start);
    if (end == std::string::npos) end = utf8.size();
    bytes += EncodeAnsi(FromUtf8(utf8.substr(start, end - start))) + "\r\n";
    start = end + 1;
  }
  return bytes;
}

std::vector<std::string> ReadTextLines(const std::filesystem::path& file) {
  std::vector<std::string> lines;
  std::ifstream in(file);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!line.empty()) lines.push_back(line);
  }
  return lines;
}

CaseRun RunCase(const std::filesystem::path& program, const std::filesystem::path& case_folder,
                const std::filesystem::path& samples_patdat, const std::filesystem::path& scratch,
                const CaseLaunch& launch) {
  std::filesystem::path patdat = scratch / "patdat";
  std::filesystem::create_directories(patdat);
  if (std::filesystem::exists(samples_patdat)) {
    std::filesystem::copy(samples_patdat, patdat,
                          std::filesystem::copy_options::recursive |
                              std::filesystem::copy_options::overwrite_existing);
  }
  if (std::filesystem::exists(case_folder / "patdat")) {
    for (const auto& entry : std::filesystem::directory_iterator(case_folder / "patdat")) {
      // A case's table replaces the sample's one whatever the letter case of its name.
      for (const auto& old : std::filesystem::directory_iterator(patdat)) {
        std::string a = old.path().filename().string(), b = entry.path().filename().string();
        bool same = a.size() == b.size();
        for (std::size_t i = 0; same && i < a.size(); ++i)
          same = std::toupper(a[i]) == std::toupper(b[i]);
        if (same) std::filesystem::remove(old.path());
      }
      WriteFile(patdat / entry.path().filename(), ToAnsiCrLf(ReadBytes(entry.path())));
    }
  }
  WriteFile(scratch / "source.txt", ToAnsiCrLf(ReadBytes(case_folder / "source.txt")));
  std::filesystem::create_directories(scratch / "config");
  // Settings files are laid down byte for byte: their line ends are the point.
  bool own_settings = std::filesystem::exists(case_folder / "config");
  if (own_settings) {
    std::filesystem::copy(case_folder / "config", scratch / "config" / "boringconv",
                          std::filesystem::copy_options::recursive);
  }

  std::vector<std::string> args = ReadTextLines(case_folder / "args");
  if (args.empty()) args.push_back("--yes");
  std::string command = "cd " + Quote(scratch.string()) +
                        " && XDG_CONFIG_HOME=" + Quote((scratch / "config").string()) + " ";
  if (!launch.launcher.empty()) command += Quote(launch.launcher) + " ";
  command += Quote(program.string());
  if (launch.drive_letters) {
    command += " --drive D=. --patdat 'D:\\patdat'";
  } else if (!own_settings) {
    command += " --patdat patdat";
  }
  for (const std::string& arg : args) command += " " + Quote(arg);
  command += launch.drive_letters ? " 'D:\\source.txt' 'D:\\out'" : " source.txt out";
  command += " > run.log 2>&1";

  CaseRun run;
  int status = std::system(command.c_str());
  run.exit_code = status == -1 ? -1 : WEXITSTATUS(status);
  run.output = ReadBytes(scratch / "run.log");
  return run;
}

}  // namespace bc::testing

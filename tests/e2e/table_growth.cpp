#include "e2e/table_growth.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <optional>

#include "text/codepage.h"
#include "text/utf8.h"

namespace bc::testing {
namespace {

constexpr std::string_view kCrLf = "\r\n";

// A table line as a failure message shows it.
std::string Shown(const std::string& line) { return "[" + ToUtf8(DecodeAnsi(line)) + "]"; }

// Lines ended by CR LF. A last line without one is kept and reported.
std::vector<std::string> SplitLines(const std::string& bytes, std::vector<std::string>* faults) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < bytes.size()) {
    std::size_t end = bytes.find(kCrLf, start);
    if (end == std::string::npos) {
      if (faults) faults->push_back("torn last line: " + Shown(bytes.substr(start)));
      lines.push_back(bytes.substr(start));
      break;
    }
    lines.push_back(bytes.substr(start, end - start));
    start = end + kCrLf.size();
  }
  return lines;
}

// The number a line starts with (leading blanks allowed), if any.
std::optional<int> LeadingCode(const std::string& line) {
  std::size_t i = line.find_first_not_of(' ');
  if (i == std::string::npos || !std::isdigit(static_cast<unsigned char>(line[i]))) {
    return std::nullopt;
  }
  return std::atoi(line.c_str() + i);
}

bool IsExtensionList(const GrowingTable& table) {
  return std::string_view(table.file) == "XKISHITU.TXT";
}

// Where a serial run puts new lines: XKISHITU.TXT before its first line of
// 4000 or more, every other table at its end.
std::size_t InsertionPoint(const GrowingTable& table, const std::vector<std::string>& old_lines) {
  if (!IsExtensionList(table)) return old_lines.size();
  for (std::size_t i = 0; i < old_lines.size(); ++i) {
    std::optional<int> code = LeadingCode(old_lines[i].substr(0, 4));
    if (code && *code >= 4000) return i;
  }
  return old_lines.size();
}

// The code a serial run hands out first: after the last code before the
// insertion point (at least 2000) in XKISHITU.TXT, after the highest code
// elsewhere.
int FirstNewCode(const GrowingTable& table, const std::vector<std::string>& old_lines,
                 std::size_t insert_at) {
  int code = IsExtensionList(table) ? 1999 : 0;
  for (std::size_t i = 0; i < insert_at; ++i) {
    std::optional<int> value = LeadingCode(old_lines[i]);
    if (!value) continue;
    code = IsExtensionList(table) ? std::max(*value, 1999) : std::max(*value, code);
  }
  return code + 1;
}

bool OldLinesStand(const std::vector<std::string>& old_lines, const std::vector<std::string>& lines,
                   std::size_t insert_at) {
  if (lines.size() < old_lines.size()) return false;
  std::size_t tail = old_lines.size() - insert_at;
  return std::equal(old_lines.begin(), old_lines.begin() + static_cast<std::ptrdiff_t>(insert_at),
                    lines.begin()) &&
         std::equal(old_lines.end() - static_cast<std::ptrdiff_t>(tail), old_lines.end(),
                    lines.end() - static_cast<std::ptrdiff_t>(tail));
}

// The name of a new line in the table's layout under code; nothing when the
// line is not in that layout.
std::optional<std::u16string> NameIn(const GrowingTable& table, const std::u16string& line,
                                     int code) {
  std::u16string head = TableLine(table, code, u"");
  head.resize(head.size() - table.after.size());
  for (std::u16string_view after : {table.after, table.copied_after}) {
    if (after.empty() && !table.after.empty()) continue;
    if (line.size() >= head.size() + after.size() && line.starts_with(head) &&
        line.ends_with(after)) {
      return line.substr(head.size(), line.size() - head.size() - after.size());
    }
  }
  return std::nullopt;
}

}  // namespace

TableGrowth CheckTableGrowth(const GrowingTable& table, const std::string& before,
                             const std::string& after, const std::set<std::u16string>& names,
                             bool all_added) {
  TableGrowth growth;
  const std::string file = table.file;
  std::vector<std::string> old_lines = SplitLines(before, nullptr);
  std::vector<std::string> lines = SplitLines(after, &growth.faults);
  std::size_t insert_at = InsertionPoint(table, old_lines);
  if (!OldLinesStand(old_lines, lines, insert_at)) {
    growth.faults.push_back(file + ": the old lines are not all there as they were (" +
                            std::to_string(old_lines.size()) + " before, " +
                            std::to_string(lines.size()) + " now)");
    return growth;
  }
  growth.added.assign(
      lines.begin() + static_cast<std::ptrdiff_t>(insert_at),
      lines.begin() + static_cast<std::ptrdiff_t>(insert_at + lines.size() - old_lines.size()));
  const bool codes_follow_on = std::string_view(table.file) != "KISHITU.TXT";
  int next_code = FirstNewCode(table, old_lines, insert_at);
  for (const std::string& line : growth.added) {
    std::u16string text = DecodeAnsi(line);
    std::optional<int> code = codes_follow_on ? std::optional<int>(next_code) : LeadingCode(line);
    std::optional<std::u16string> name;
    if (EncodeAnsi(text) == line && code) name = NameIn(table, text, *code);
    if (!name) {
      growth.faults.push_back(file + ": not a whole entry under code " + std::to_string(next_code) +
                              ": " + Shown(line));
      return growth;
    }
    if (!names.contains(*name))
      growth.faults.push_back(file + ": a name no run adds: " + Shown(line));
    if (!growth.codes.emplace(*name, *code).second) {
      growth.faults.push_back(file + ": a name added twice: " + Shown(line));
    }
    ++next_code;
  }
  if (all_added) {
    for (const std::u16string& name : names) {
      if (!growth.codes.contains(name)) {
        growth.faults.push_back(file + ": a name never added: " + ToUtf8(name));
      }
    }
  }
  return growth;
}

std::map<std::string, std::set<std::u16string>> NamesByTable(
    const std::vector<GrowingBoring>& borings) {
  std::map<std::string, std::set<std::u16string>> names;
  for (const GrowingBoring& boring : borings) {
    for (const auto& [file, list] : boring.names) names[file].insert(list.begin(), list.end());
  }
  return names;
}

}  // namespace bc::testing

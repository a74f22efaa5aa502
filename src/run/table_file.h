// Table files of the pattern-data folder: read whole, or grown one line at
// a time. Every failure stops the run with a message naming the file.
#ifndef BORINGCONV_RUN_TABLE_FILE_H_
#define BORINGCONV_RUN_TABLE_FILE_H_

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace bc {

// Every line of the file, decoded; lines end at CR LF, CR or LF. A missing
// or unreadable file throws.
std::vector<std::u16string> ReadTableLines(const std::filesystem::path& host,
                                           std::u16string_view shown_name);

// The free-format items of every line that is not blank, one entry per line:
// a line with fewer items than a caller reads gives empty ones, and a line
// with more never shifts the entries after it.
std::vector<std::vector<std::u16string>> ReadTableEntries(const std::filesystem::path& host,
                                                          std::u16string_view shown_name);

// Appends line and CR LF to an existing table. When the file's last line has
// no line end, one is written first, so that the new line never merges into
// the last entry.
void AppendTableLine(const std::filesystem::path& host, std::u16string_view shown_name,
                     std::u16string_view line);

// Replaces the table's contents in one step: the lines go to a scratch file
// beside it, which is flushed and renamed over the table.
void ReplaceTableLines(const std::filesystem::path& host, const std::filesystem::path& scratch,
                       std::u16string_view shown_name, const std::vector<std::u16string>& lines);

}  // namespace bc

#endif  // BORINGCONV_RUN_TABLE_FILE_H_

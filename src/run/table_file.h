// Table files of the pattern-data folder: read whole, grown one line at a
// time, or replaced in one step. Every failure stops the run with a message
// naming the file, and leaves the file as it was.
#ifndef BORINGCONV_RUN_TABLE_FILE_H_
#define BORINGCONV_RUN_TABLE_FILE_H_

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "run/file_system.h"

namespace bc {

// The end of a table file as its reader last saw it.
struct TableTail {
  std::uint64_t size = 0;
  char last = '\0';  // '\0' for an empty file
};

TableTail TailOf(std::string_view bytes);

// The bytes of a table. A missing or unreadable file throws.
std::string ReadTableBytes(FileSystem& fs, const std::filesystem::path& host,
                           std::u16string_view shown_name);

// Appends line and CR LF to an existing table and returns those bytes.
// Text the code page cannot hold, or a link at the name, stops the run
// before anything is written.
// When the file's last line has no line end, one is written first, so that
// the new line never merges into the last entry. tail, when given, spares
// reading the file while it still has the size seen, and is moved to the
// new end. A failed or short write cuts the file back to its old length
// before the run stops.
std::string AppendTableLine(FileSystem& fs, const std::filesystem::path& host,
                            std::u16string_view shown_name, std::u16string_view line,
                            TableTail* tail);

// The code-page bytes of text for a table; text the code page cannot hold
// exactly throws, naming the table.
std::string EncodeExactly(std::u16string_view text, std::u16string_view shown_name);

// A scratch name beside host that no other run picks, even one on another
// computer sharing the folder: "<name>.<random tag>.<counter>.tmp".
std::filesystem::path ScratchPath(const std::filesystem::path& host);

// Replaces the file's contents in one step: the bytes go to a scratch file
// of a name of its own beside it, which is synced to the disk and renamed
// over the file, and the folder's entry is synced. On failure the scratch
// file is removed and the file is left as it was. A link at either name
// stops without writing.
void ReplaceFileBytes(FileSystem& fs, const std::filesystem::path& host,
                      std::u16string_view shown_name, std::string_view bytes);

// As AppendTableLine, for lines already encoded and ended; returns the line
// end written before them, empty when the file's last line had its own.
std::string AppendTableBytes(FileSystem& fs, const std::filesystem::path& host,
                             std::u16string_view shown_name, std::string_view bytes,
                             TableTail* tail);

// Replaces the table's lines through ReplaceFileBytes and returns the bytes
// written.
std::string ReplaceTableLines(FileSystem& fs, const std::filesystem::path& host,
                              std::u16string_view shown_name,
                              const std::vector<std::u16string>& lines);

}  // namespace bc

#endif  // BORINGCONV_RUN_TABLE_FILE_H_

// What a section writer sees of the run: the current record with one line
// of look-ahead, the destination and pattern-data folders, and the tables
// the run loaded before the first section.
#ifndef BORINGCONV_RUN_RUN_CONTEXT_H_
#define BORINGCONV_RUN_RUN_CONTEXT_H_

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "environment/environment.h"
#include "environment/folder_entries.h"
#include "run/full_tables.h"
#include "run/output_file.h"
#include "run/pattern_store.h"
#include "run/reading_years.h"
#include "run/record.h"
#include "text/line_reader.h"

namespace bc {

// Whether the run goes on after a section, or ends at the end of the source.
enum class Flow { kContinue, kEnd };

// One entry of a code table: code and name as read.
struct CodeName {
  std::u16string code;
  std::u16string name;
};

// The reference tables of the pattern-data folder, in file order.
struct ReferenceTables {
  std::vector<CodeName> l4;
  std::vector<CodeName> l8;
  std::vector<CodeName> l10;
  std::vector<CodeName> l100;
};

class RunContext {
 public:
  // A run over the pattern-data folder of an open store.
  RunContext(const Environment& env, LineReader& source, Record& record,
             std::u16string output_folder, PatternStore& store);
  // A run with a store of its own, without the folder's lock.
  RunContext(const Environment& env, LineReader& source, Record& record,
             std::u16string output_folder, std::u16string patdat_path);

  // The current record.
  Record& record() { return record_; }
  const Record& record() const { return record_; }
  double Code() const { return record_.Code(); }

  // The source has no further line.
  bool AtEnd() const { return source_.AtEnd(); }

  // Reads the next line into the current record.
  void Next();

  // Splits a saved line into the current record again (X7.TXT's replay).
  void Resplit(std::u16string_view line, long line_number);

  // The raw text of the line last read.
  const std::u16string& current_line() const { return current_line_; }

  // Creates or replaces an output file in the destination folder.
  OutputFile CreateOutput(std::u16string_view name) const;

  // The host paths of the outputs created so far, in order.
  const std::vector<std::filesystem::path>& created_outputs() const { return created_; }

  // The tables of the pattern-data folder.
  PatternStore& store() const { return store_; }

  // The shown name of a file of the pattern-data folder.
  std::u16string PatdatName(std::u16string_view name) const { return store_.ShownName(name); }

  // The entries of a code table of the pattern-data folder, in file order.
  std::vector<CodeName> CodeTable(std::u16string_view name) const;

  const Environment& env() const { return env_; }
  const std::u16string& output_folder() const { return output_folder_; }

  ReferenceTables tables;

  // The years of the dates of N9.TXT and N8.TXT, from the title block.
  ReadingYears reading_years;

  // Names the growing tables had no code left for.
  FullTables full_tables;

  // Calls write() for the current record while its code equals code, reading
  // on between records. Returns Flow::kEnd when the source ended after a
  // record (the caller closes its files and the run ends normally).
  template <typename Write>
  Flow WhileCode(double code, Write write) {
    while (Code() == code) {
      write();
      if (AtEnd()) return Flow::kEnd;
      Next();
    }
    return Flow::kContinue;
  }

  // Reads on while keep() holds for the current record. Returns Flow::kEnd
  // when the source ends first.
  template <typename Keep>
  Flow SkipWhile(Keep keep) {
    while (keep(Code())) {
      if (AtEnd()) return Flow::kEnd;
      Next();
    }
    return Flow::kContinue;
  }

 private:
  void SplitCurrentLine(long line_number);

  const Environment& env_;
  LineReader& source_;
  Record& record_;
  std::u16string output_folder_;
  // The output folder's files, read once: outputs replace files of any
  // letter case without a folder scan per file.
  mutable std::optional<FolderEntries> outputs_;
  mutable std::vector<std::filesystem::path> created_;
  std::unique_ptr<PatternStore> own_store_;
  PatternStore& store_;
  std::u16string current_line_;
};

// A value rounded half to even into 16 bits; out of range stops the run with
// a message naming the current line.
std::int16_t Int16OrStop(double value);

// A value rounded to single precision, the type of the depths the plotting
// system reads. One beyond float's range (an overflowing reading included)
// stops the run with a message naming the current line.
float SingleOrStop(double value);

// Field i of the record read as a number, then as Int16OrStop and
// SingleOrStop do; out of range stops naming the field.
std::int16_t FieldInt16OrStop(const Record& record, int field);
float FieldSingleOrStop(const Record& record, int field);

// Adds 1 to a 16-bit line counter; past 32767 stops the run.
void Advance(std::int16_t& counter);

}  // namespace bc

#endif  // BORINGCONV_RUN_RUN_CONTEXT_H_

// One line of the source record file, cut into positional fields.
#ifndef BORINGCONV_RUN_RECORD_H_
#define BORINGCONV_RUN_RECORD_H_

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "text/line_reader.h"

namespace bc {

struct Record {
  static constexpr int kSlots = 100;

  // Slots 1 to 100; slot 0 is not used. A shorter line leaves the slots above
  // its count as an earlier line left them, and writers may read them.
  std::array<std::u16string, kSlots + 1> fields;
  std::int16_t count = 0;
  long line_number = 0;  // one-based line of the source file

  // Field i, or an empty text outside slots 1 to 100.
  const std::u16string& Field(int i) const;
  std::u16string& MutableField(int i);

  // The NumericValue of field 1.
  double Code() const;
};

// Cuts line at single spaces into record.fields and applies the field rules:
// a field reading 9999 becomes "0.0", a field "@" becomes " ", and "_" and
// "＿" become one and two spaces. Returns false, leaving the record as it
// was, when the line has more than 100 fields.
bool SplitRecord(std::u16string_view line, Record& record);

// The first line of a source record file: its first item starts with the
// "QVN" tag.
bool IsSourceTagLine(std::u16string_view first_line);

// Reads the next line into record. A line of more than 100 fields stops the
// run with an error that names the line.
void ReadRecord(LineReader& source, Record& record);

}  // namespace bc

#endif  // BORINGCONV_RUN_RECORD_H_

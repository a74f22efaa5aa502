#include "run/record.h"

#include <algorithm>

#include "run/run_error.h"
#include "text/free_format.h"
#include "text/numeric.h"

namespace bc {
namespace {

// Writes field into slot with the field rules applied, reusing the slot's
// room: every field of every line passes here.
void ApplyFieldRules(std::u16string_view field, std::u16string& slot) {
  if (NumericValue(field) == 9999) {
    slot = u"0.0";
  } else if (field == u"@") {
    slot = u" ";
  } else {
    slot.assign(field);
    std::replace(slot.begin(), slot.end(), u'_', u' ');
    for (std::size_t at = slot.find(u'＿'); at != std::u16string::npos; at = slot.find(u'＿', at)) {
      slot.replace(at, 1, u"  ");
    }
  }
}

}  // namespace

const std::u16string& Record::Field(int i) const {
  static const std::u16string kEmpty;
  return i >= 1 && i <= kSlots ? fields[static_cast<std::size_t>(i)] : kEmpty;
}

std::u16string& Record::MutableField(int i) {
  return fields[static_cast<std::size_t>(std::clamp(i, 1, kSlots))];
}

double Record::Code() const { return NumericValue(fields[1]); }

bool SplitRecord(std::u16string_view line, Record& record) {
  std::size_t spaces = static_cast<std::size_t>(std::count(line.begin(), line.end(), u' '));
  if (spaces + 1 > static_cast<std::size_t>(Record::kSlots)) return false;
  std::size_t count = 0;
  std::size_t p = 0;
  while (true) {
    std::size_t k = line.find(u' ', p);
    std::u16string_view field = line.substr(p, k == std::u16string_view::npos ? k : k - p);
    ApplyFieldRules(field, record.fields[++count]);
    if (k == std::u16string_view::npos) break;
    p = k + 1;
  }
  record.count = static_cast<std::int16_t>(count);
  return true;
}

bool IsSourceTagLine(std::u16string_view first_line) {
  return ItemOrEmpty(ReadFreeFormatItems(first_line), 0).starts_with(u"QVN");
}

void ReadRecord(LineReader& source, Record& record) {
  std::u16string line = source.ReadLine();
  record.line_number = source.line_number();
  if (!SplitRecord(line, record)) {
    throw RunError::AtLine(TooManyFieldsMessage(), record.line_number);
  }
}

}  // namespace bc

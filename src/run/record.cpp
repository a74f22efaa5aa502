#include "run/record.h"

#include <algorithm>

#include "run/run_error.h"
#include "text/free_format.h"
#include "text/numeric.h"

namespace bc {
namespace {

std::u16string ApplyFieldRules(std::u16string_view field) {
  if (NumericValue(field) == 9999) return u"0.0";
  if (field == u"@") return u" ";
  std::u16string out;
  out.reserve(field.size());
  for (char16_t c : field) {
    if (c == u'_') {
      out.push_back(u' ');
    } else if (c == u'＿') {
      out.append(u"  ");
    } else {
      out.push_back(c);
    }
  }
  return out;
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
    record.fields[++count] = ApplyFieldRules(field);
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

#include "exchange/record_line.h"

#include "text/utf8.h"

namespace bc {

std::u16string RecordLine(std::u16string_view code, const std::vector<std::u16string>& fields) {
  std::u16string line(code);
  for (const std::u16string& field : fields) {
    line.push_back(u' ');
    line += field;
  }
  return line;
}

std::u16string PlainOr(const std::optional<Decimal>& value, std::u16string_view missing) {
  return value ? value->Plain() : std::u16string(missing);
}

std::u16string IntField(long value) { return FromUtf8(std::to_string(value)); }

std::u16string IntOr(const std::optional<int>& value, std::u16string_view missing) {
  return value ? IntField(*value) : std::u16string(missing);
}

}  // namespace bc

#include "exchange/water_level_records.h"

#include <set>

#include "exchange/value_text.h"

namespace bc {
namespace {

// Levels outside (-99, 999) stand for "no water" or "not measured".
bool IsPlaceholder(const Decimal& level) {
  return level <= Decimal::FromInt(-99) || Decimal::FromInt(999) <= level;
}

// Same level and same date; unreadable dates compare by their text.
std::u16string ReadingKey(const Decimal& level, const ExchangeDate& date,
                          std::u16string_view date_text) {
  std::u16string key = level.Plain();
  if (!date.readable) return key + u"|?" + std::u16string(date_text);
  return key + u"|" + IntOr(date.year, u"") + u"-" + IntOr(date.month, u"") + u"-" +
         IntOr(date.day, u"");
}

}  // namespace

void AppendWaterLevelRecords(const XmlTree& tree, RecordLines* lines) {
  std::set<std::u16string> written;
  for (std::size_t group : tree.GroupsWithData("孔内水位")) {
    std::optional<Decimal> level = ReadNumber(tree.ChildText(group, "孔内水位_孔内水位"));
    if (!level || IsPlaceholder(*level)) continue;
    std::u16string_view date_text = tree.ChildText(group, "孔内水位_測定年月日");
    ExchangeDate date = ReadDate(date_text);
    // Real files record the level at the start and at the end of a day.
    if (!written.insert(ReadingKey(*level, date, date_text)).second) continue;
    if (!date.readable) date = ExchangeDate();
    lines->push_back(RecordLine(u"3020", {DepthForm(*level), IntOr(date.month), IntOr(date.day)}));
  }
}

}  // namespace bc

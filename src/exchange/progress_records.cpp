#include "exchange/progress_records.h"

#include <string>

#include "exchange/value_text.h"

namespace bc {

void AppendProgressRecords(const XmlTree& tree, RecordLines* lines) {
  for (std::string group_name : {"掘削工程", "削孔工程"}) {  // 2.x and 3.00, then 4.00
    for (std::size_t group : tree.GroupsWithData(group_name)) {
      std::optional<Decimal> depth =
          ReadNumber(tree.ChildText(group, {group_name + "_掘進深度", group_name + "_削孔深度"}));
      if (!depth) continue;
      ExchangeDate date = ReadDate(tree.ChildText(group, group_name + "_測定年月日"));
      if (!date.readable) date = ExchangeDate();
      // Fields 5-11 are written so that none of an earlier record stays.
      lines->push_back(RecordLine(u"5000", {DepthForm(*depth), IntOr(date.month), IntOr(date.day),
                                            u"@", u"@", u"@", u"@", u"@", u"@", u"@"}));
    }
  }
}

}  // namespace bc

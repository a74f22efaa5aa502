// Lugeon tests (4010) and their pressure-quantity points (4011) of an
// exchange XML file.
#ifndef BORINGCONV_EXCHANGE_LUGEON_RECORDS_H_
#define BORINGCONV_EXCHANGE_LUGEON_RECORDS_H_

#include <string>
#include <string_view>

#include "exchange/record_line.h"
#include "exchange/xml_tree.h"

namespace bc {

void AppendLugeonRecords(const XmlTree& tree, RecordLines* lines);

// A test number as compared: folded, trimmed, without leading zeros ("0001"
// and "1" are the same test; "000" stays).
std::u16string TestNumberKey(std::u16string_view text);

}  // namespace bc

#endif  // BORINGCONV_EXCHANGE_LUGEON_RECORDS_H_

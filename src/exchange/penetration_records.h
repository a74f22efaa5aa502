// Standard penetration tests (4000) of an exchange XML file: three stages of
// blows and penetration (in cm; 4.00 files give millimetres).
#ifndef BORINGCONV_EXCHANGE_PENETRATION_RECORDS_H_
#define BORINGCONV_EXCHANGE_PENETRATION_RECORDS_H_

#include "exchange/record_line.h"
#include "exchange/xml_tree.h"

namespace bc {

void AppendPenetrationRecords(const XmlTree& tree, RecordLines* lines);

}  // namespace bc

#endif  // BORINGCONV_EXCHANGE_PENETRATION_RECORDS_H_

// Groundwater readings (3020) of an exchange XML file. Placeholder levels
// and a day's repeated reading are left out.
#ifndef BORINGCONV_EXCHANGE_WATER_LEVEL_RECORDS_H_
#define BORINGCONV_EXCHANGE_WATER_LEVEL_RECORDS_H_

#include "exchange/record_line.h"
#include "exchange/xml_tree.h"

namespace bc {

void AppendWaterLevelRecords(const XmlTree& tree, RecordLines* lines);

}  // namespace bc

#endif  // BORINGCONV_EXCHANGE_WATER_LEVEL_RECORDS_H_

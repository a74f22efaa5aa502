// The title records of an exchange XML file: survey name (1000), longitude
// and latitude (1006, 1007), survey period (1009) and the borehole's
// elevation and direction (1013). Each is left out when its data is missing
// entirely: the converter's defaults are better than invented values.
#ifndef BORINGCONV_EXCHANGE_TITLE_RECORDS_H_
#define BORINGCONV_EXCHANGE_TITLE_RECORDS_H_

#include <string>

#include "exchange/record_line.h"
#include "exchange/xml_tree.h"

namespace bc {

void AppendTitleRecords(const XmlTree& tree, RecordLines* lines);

// The era of a year as the converter reads it ("平成30"; "-1" before 1912).
std::u16string EraText(int year);

// The elevation datum named in the free-form notes; "T.P." when none is.
std::u16string ElevationDatum(const XmlTree& tree);

}  // namespace bc

#endif  // BORINGCONV_EXCHANGE_TITLE_RECORDS_H_

// Drilling progress (5000) of an exchange XML file: dated drilling depths.
#ifndef BORINGCONV_EXCHANGE_PROGRESS_RECORDS_H_
#define BORINGCONV_EXCHANGE_PROGRESS_RECORDS_H_

#include "exchange/record_line.h"
#include "exchange/xml_tree.h"

namespace bc {

void AppendProgressRecords(const XmlTree& tree, RecordLines* lines);

}  // namespace bc

#endif  // BORINGCONV_EXCHANGE_PROGRESS_RECORDS_H_

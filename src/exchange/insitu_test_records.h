// In-situ tests (3030) of an exchange XML file: other tests, permeability and
// borehole loading tests as depth intervals with a kind and a result.
#ifndef BORINGCONV_EXCHANGE_INSITU_TEST_RECORDS_H_
#define BORINGCONV_EXCHANGE_INSITU_TEST_RECORDS_H_

#include "exchange/record_line.h"
#include "exchange/xml_tree.h"

namespace bc {

void AppendInsituTestRecords(const XmlTree& tree, RecordLines* lines);

}  // namespace bc

#endif  // BORINGCONV_EXCHANGE_INSITU_TEST_RECORDS_H_

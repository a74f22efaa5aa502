// The soil layers (2000, 2001) and their texts (2002) of an exchange XML
// file. Layers keep the file's order; texts go to the layer they lie in.
#ifndef BORINGCONV_EXCHANGE_LAYER_RECORDS_H_
#define BORINGCONV_EXCHANGE_LAYER_RECORDS_H_

#include <string>
#include <string_view>
#include <vector>

#include "exchange/record_line.h"
#include "exchange/xml_tree.h"

namespace bc {

void AppendLayerRecords(const XmlTree& tree, RecordLines* lines);

// Splits a layer text at literal "\n", CR LF, CR and LF; drops lines that are
// empty once trimmed.
std::vector<std::u16string> SplitTextLines(std::u16string_view text);

}  // namespace bc

#endif  // BORINGCONV_EXCHANGE_LAYER_RECORDS_H_

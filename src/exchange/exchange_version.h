// The DTD version of an exchange XML file, as line 1 of the record file
// gives it ("QVN BED3.00").
#ifndef BORINGCONV_EXCHANGE_EXCHANGE_VERSION_H_
#define BORINGCONV_EXCHANGE_EXCHANGE_VERSION_H_

#include <string>
#include <string_view>

#include "exchange/xml_tree.h"

namespace bc {

// The root's DTD_version, else "n.nn" from a "BEDnnn.DTD" or "BED0nnn.DTD"
// near the start of the document, else empty; only ASCII letters, digits
// and "." are kept.
std::u16string ExchangeVersion(const XmlTree& tree, std::string_view utf8_document);

// 2.x, 3.00 and 4.00 (and an unnamed version, read like them).
bool IsKnownVersion(std::u16string_view version);

}  // namespace bc

#endif  // BORINGCONV_EXCHANGE_EXCHANGE_VERSION_H_

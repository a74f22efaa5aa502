// Import of the national boring exchange XML (DTD 2.x, 3.00 and 4.00): one
// XML file becomes the source record file the conversion reads.
#ifndef BORINGCONV_EXCHANGE_EXCHANGE_IMPORT_H_
#define BORINGCONV_EXCHANGE_EXCHANGE_IMPORT_H_

#include <cstddef>
#include <string>
#include <string_view>

namespace bc {

// Larger files are refused unread: real ones hold a few hundred kilobytes.
inline constexpr std::size_t kMaxExchangeXmlBytes = std::size_t{64} << 20;

// Whether the bytes are an XML file, by content: after an optional byte-order
// mark and blanks, an XML declaration or the exchange format's root element
// (or its document type).
bool LooksLikeExchangeXml(std::string_view bytes);

// The source record file (code page 932, CR LF, ending in record 9000) for
// one exchange XML file. Throws RunError on a file that cannot be decoded, is
// not well-formed, holds no boring or has a version this import does not
// know; the message gives the line and column where there is one, and the
// caller adds the file name.
std::string ImportExchangeXml(std::string_view bytes);

}  // namespace bc

#endif  // BORINGCONV_EXCHANGE_EXCHANGE_IMPORT_H_

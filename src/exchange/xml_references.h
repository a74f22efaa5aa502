// Character data of the exchange XML with its references resolved. The
// parser leaves references alone, so that only the predefined entities and
// character references are read and anything else is refused: the external
// DTD is never read and no entity is ever expanded.
#ifndef BORINGCONV_EXCHANGE_XML_REFERENCES_H_
#define BORINGCONV_EXCHANGE_XML_REFERENCES_H_

#include <cstddef>
#include <string>
#include <string_view>

namespace bc {

inline constexpr std::size_t kReferencesOk = static_cast<std::size_t>(-1);

// Appends the UTF-8 character data `raw`, references resolved, to `out`.
// Returns kReferencesOk, or the byte offset in `raw` of a reference that is
// undefined, malformed or names a character XML does not allow.
std::size_t AppendResolved(std::string_view raw, std::u16string* out);

}  // namespace bc

#endif  // BORINGCONV_EXCHANGE_XML_REFERENCES_H_

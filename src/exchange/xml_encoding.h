// The encoding of an exchange XML file, decided by its bytes: real files
// declare Shift_JIS and hold UTF-8, so a declaration is trusted last.
#ifndef BORINGCONV_EXCHANGE_XML_ENCODING_H_
#define BORINGCONV_EXCHANGE_XML_ENCODING_H_

#include <optional>
#include <string>
#include <string_view>

namespace bc {

// The encoding="…" of an XML declaration at the start (after blanks, within
// the first 300 bytes); empty when there is none.
std::string DeclaredEncoding(std::string_view bytes);

// The file as UTF-8: a byte-order mark decides, else the first of UTF-8, the
// declared encoding (when neither UTF-8 nor Shift_JIS), code page 932 and
// EUC-JP that decodes every byte. Nothing when none does.
std::optional<std::string> DecodeXmlBytes(std::string_view bytes);

// Strict UTF-8 check: no overlong forms, surrogates or values past U+10FFFF.
bool IsValidUtf8(std::string_view bytes);

}  // namespace bc

#endif  // BORINGCONV_EXCHANGE_XML_ENCODING_H_

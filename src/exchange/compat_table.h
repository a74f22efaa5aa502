// Unicode data the text cleaning needs, generated from the Unicode database by
// scripts/gen-compat-table.py: the format characters (dropped from texts) and
// the compatibility (NFKC) forms of the characters code page 932 lacks.
#ifndef BORINGCONV_EXCHANGE_COMPAT_TABLE_H_
#define BORINGCONV_EXCHANGE_COMPAT_TABLE_H_

#include <cstddef>

namespace bc {

struct CodeRange {
  char32_t first;
  char32_t last;
};

struct CompatForm {
  char32_t code;
  const char16_t* form;
};

// Sorted by code point.
extern const CodeRange kFormatCharacters[];
extern const std::size_t kFormatCharacterCount;
extern const CompatForm kCompatForms[];
extern const std::size_t kCompatFormCount;

}  // namespace bc

#endif  // BORINGCONV_EXCHANGE_COMPAT_TABLE_H_

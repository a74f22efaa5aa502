// Element texts made into text fields of the source records: cleaned to what
// code page 932 holds, and escaped so that the converter reads each field back
// as the text it was (no empty field, no space, no accidental depth or 9999).
#ifndef BORINGCONV_EXCHANGE_TEXT_FIELD_H_
#define BORINGCONV_EXCHANGE_TEXT_FIELD_H_

#include <string>
#include <string_view>

namespace bc {

// Blanks to single spaces, control and format characters dropped, characters
// code page 932 lacks replaced (by a fixed list, their compatibility form or
// "？"), trimmed.
std::u16string CleanText(std::u16string_view text);

enum class FieldKind {
  kPlain,
  kTableName,  // joins a comma-separated table: "," and '"' become full-width
  kLayerLine,  // a line of the layer texts: a leading non-depth "[" is guarded
};

// A cleaned text as one field: "@" when empty, spaces as "_", a lone "@" as
// "＠", a leading 9999 guarded by U+3000.
std::u16string FieldFromClean(std::u16string text, FieldKind kind = FieldKind::kPlain);

inline std::u16string TextField(std::u16string_view text, FieldKind kind = FieldKind::kPlain) {
  return FieldFromClean(CleanText(text), kind);
}

// Whether the converter would read the field's leading number as 9999.
bool ReadsAs9999(std::u16string_view field);

// Whether a line starts with a depth bracket such as "[12]" or "[ -1.5 ]".
bool StartsWithDepthBracket(std::u16string_view line);

}  // namespace bc

#endif  // BORINGCONV_EXCHANGE_TEXT_FIELD_H_

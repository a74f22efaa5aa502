// The soil-name dictionary: soil descriptions and their four-digit pattern
// codes, kept in the main list KISHITU.TXT and the extension list
// XKISHITU.TXT of the pattern-data folder. Unknown descriptions get a fresh
// code, so the same description keeps its code from one boring to the next.
#ifndef BORINGCONV_SOIL_SOIL_DICTIONARY_H_
#define BORINGCONV_SOIL_SOIL_DICTIONARY_H_

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "run/run_context.h"

namespace bc {

// One dictionary line: code, name (cut before its remark), and the four
// attribute fields the plotting system reads, copied as they stand.
struct SoilEntry {
  std::u16string code;
  std::u16string name;
  std::array<std::u16string, 4> attributes;

  // The six fields joined by ",".
  std::u16string Line() const;
};

// The best match of one code band: found only when some name occurs in the
// description; among names of equal length the first in file order wins.
struct SoilBandMatch {
  bool found = false;
  std::size_t length = 0;
  SoilEntry entry;

  // The name is the whole description.
  bool IsExact(std::u16string_view description) const {
    return found && length == description.size();
  }
};

// One pass over the entries of a dictionary file (items as read), looking at
// codes strictly between lower and upper.
SoilBandMatch SearchSoilBand(const std::vector<std::vector<std::u16string>>& entries, double lower,
                             double upper, std::u16string_view description);

// Inserts a new entry for description into XKISHITU.TXT, after the last line
// below 4000 that precedes the first line of 4000 or more, and returns it.
// When that code would be 4000 or more, nothing is written and the run stops
// at the current line.
SoilEntry AddSoilPattern(const RunContext& ctx, std::u16string_view description);

// The pattern code of description. An entry found only in XKISHITU.TXT, or a
// new one, is appended to KISHITU.TXT, and PATADD.txt marks the change.
std::u16string FindSoilPattern(const RunContext& ctx, std::u16string_view description);

// Holds the additions of one soil section in the store, so that each list
// file is written once, by Save at the section's end, however many names the
// section adds. What Save has not written is forgotten when this ends.
class SoilDictionaryAdditions {
 public:
  explicit SoilDictionaryAdditions(const RunContext& ctx);
  ~SoilDictionaryAdditions();
  SoilDictionaryAdditions(const SoilDictionaryAdditions&) = delete;
  SoilDictionaryAdditions& operator=(const SoilDictionaryAdditions&) = delete;

  void Save();

 private:
  const RunContext& ctx_;
};

}  // namespace bc

#endif  // BORINGCONV_SOIL_SOIL_DICTIONARY_H_

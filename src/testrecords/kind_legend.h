// The kinds of the code-3030 records, in the order first met, and how a kind
// name is found in a record's text.
#ifndef BORINGCONV_TESTRECORDS_KIND_LEGEND_H_
#define BORINGCONV_TESTRECORDS_KIND_LEGEND_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "run/run_context.h"

namespace bc {

// The name occurs in text in its full-width or its half-width form. An
// empty name matches nothing: it would otherwise claim every record.
bool NameMatches(std::u16string_view name, std::u16string_view text);

struct KindLegend {
  static constexpr std::size_t kMaxKinds = 10;

  struct Kind {
    std::int16_t number = 0;
    std::u16string name;
  };
  std::vector<Kind> kinds;

  // One-based place of the first kind whose name matches text, 0 for none.
  std::size_t Find(std::u16string_view text) const;

  // Adds the first reference entry, in file order, whose name matches text,
  // unless a kind already matches or the legend is full.
  void AddFrom(const std::vector<CodeName>& reference, std::u16string_view text);
};

}  // namespace bc

#endif  // BORINGCONV_TESTRECORDS_KIND_LEGEND_H_

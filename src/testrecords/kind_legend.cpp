#include "testrecords/kind_legend.h"

#include "text/numeric.h"
#include "text/width.h"

namespace bc {

bool NameMatches(std::u16string_view name, std::u16string_view text) {
  if (name.empty()) return false;
  return text.find(ToFullWidth(name)) != std::u16string_view::npos ||
         text.find(ToHalfWidth(name)) != std::u16string_view::npos;
}

std::size_t KindLegend::Find(std::u16string_view text) const {
  for (std::size_t j = 0; j < kinds.size(); ++j) {
    if (NameMatches(kinds[j].name, text)) return j + 1;
  }
  return 0;
}

void KindLegend::AddFrom(const std::vector<CodeName>& reference, std::u16string_view text) {
  if (Find(text) != 0 || kinds.size() >= kMaxKinds) return;
  for (const CodeName& entry : reference) {
    if (NameMatches(entry.name, text)) {
      kinds.push_back({Int16OrStop(NumericValue(entry.code)), entry.name});
      return;
    }
  }
}

}  // namespace bc

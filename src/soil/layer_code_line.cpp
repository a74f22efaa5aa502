#include "soil/layer_code_line.h"

#include <array>

#include "soil/range_split.h"
#include "text/numeric.h"
#include "text/str_form.h"
#include "text/trim.h"

namespace bc {
namespace {

// The last two digits of the code's decimal form, "0"-padded on the left.
std::u16string TwoDigits(std::int16_t code) {
  std::u16string digits = StrInteger(code);
  if (code >= 0) digits.erase(0, 1);
  digits.insert(0, u"00");
  return digits.substr(digits.size() - 2);
}

}  // namespace

std::u16string LayerCodeGroup(std::u16string_view part, const std::vector<CodeName>& table) {
  std::array<std::int16_t, 3> slots{};
  std::size_t filled = 0;
  for (char16_t c : part.substr(0, 3)) {
    for (const CodeName& entry : table) {
      if (entry.name.size() == 1 && entry.name[0] == c) {
        slots[filled++] = Int16OrStop(NumericValue(entry.code));
        break;
      }
    }
  }
  std::u16string group;
  for (std::int16_t code : slots) group += code != 0 ? TwoDigits(code) : u"  ";
  return group;
}

void WriteLayerCodeLine(OutputFile& out, std::int16_t& counter, std::u16string_view depth,
                        std::u16string_view text, const std::vector<CodeName>& table) {
  if (IsBlankText(text)) return;
  RangeParts parts = SplitAtRange(text);
  out.WriteLine(RightFit(StrInteger(counter), 3) + u"," + RightFit(depth, 7) + u"," +
                LayerCodeGroup(parts.first, table) + u"," + parts.first + u"," +
                LayerCodeGroup(parts.second, table) + u"," + parts.second + u"," +
                (parts.second.empty() ? u"" : u"～"));
  Advance(counter);
}

}  // namespace bc

#include "exchange/sample_records.h"

#include <algorithm>

#include "exchange/value_text.h"
#include "text/ascii_case.h"

namespace bc {
namespace {

bool Contains(std::u16string_view text, std::u16string_view part) {
  return text.find(part) != std::u16string_view::npos;
}

// Split-spoon samples of the penetration test: the sample list shows
// undisturbed samples only.
bool IsSplitSpoon(std::u16string_view method, std::u16string_view code) {
  return code == u"100" || method == u"P" || method == u"p" || Contains(method, u"標準");
}

struct Sample {
  Decimal top;
  Decimal bottom;
  std::u16string letter;
};

}  // namespace

std::u16string SamplerLetter(std::u16string_view method, std::u16string_view code) {
  std::u16string m = AsciiUpper(FoldForNumber(method));
  if (m == u"T" || m == u"D" || m == u"F") return m;
  if (Contains(m, u"シンウォール") || Contains(m, u"固定ピストン") || Contains(m, u"THIN")) {
    return u"T";
  }
  if (Contains(m, u"デニソン") || (Contains(m, u"二重管") && !Contains(m, u"スリーブ"))) {
    return u"D";
  }
  if (Contains(m, u"フォイル") || Contains(m, u"FOIL")) return u"F";
  if (code == u"200" || code == u"250") return u"T";
  if (code == u"300") return u"D";
  return u"@";
}

void AppendSampleRecords(const XmlTree& tree, RecordLines* lines) {
  std::vector<Sample> samples;
  for (std::size_t group : tree.GroupsWithData("試料採取")) {
    std::u16string_view code = tree.ChildText(group, "試料採取_採取方法コード");
    std::u16string_view method = tree.ChildText(group, "試料採取_採取方法");
    if (IsSplitSpoon(method, code)) continue;
    std::optional<Decimal> top = ReadNumber(tree.ChildText(group, "試料採取_上端深度"));
    if (!top) continue;
    std::optional<Decimal> bottom = ReadNumber(tree.ChildText(group, "試料採取_下端深度"));
    samples.push_back({*top, bottom.value_or(*top), SamplerLetter(method, code)});
  }
  std::stable_sort(samples.begin(), samples.end(),
                   [](const Sample& a, const Sample& b) { return a.top < b.top; });
  for (const Sample& sample : samples) {
    lines->push_back(
        RecordLine(u"3040", {DepthForm(sample.top), DepthForm(sample.bottom), sample.letter}));
  }
}

}  // namespace bc

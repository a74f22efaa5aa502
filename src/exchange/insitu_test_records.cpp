#include "exchange/insitu_test_records.h"

#include <algorithm>
#include <string>

#include "exchange/text_field.h"
#include "exchange/value_text.h"

namespace bc {
namespace {

struct InsituTest {
  Decimal top;
  Decimal bottom;
  std::u16string kind;
  std::u16string result;
};

struct TestKind {
  std::string_view group;
  std::string_view top;     // child suffix
  std::string_view bottom;  // child suffix
  std::string_view kind;    // child suffix; empty for the fixed kind
  std::u16string_view fixed_kind;
  std::string_view result;  // child suffix
};

constexpr TestKind kTestKinds[] = {
    {"その他原位置試験", "_上端深度", "_下端深度", "_試験名", u"その他原位置試験", "_試験結果"},
    {"透水試験", "_上端深度", "_下端深度", "_試験方法", u"透水試験", "_透水係数"},
    {"孔内水平載荷試験", "_試験深度", "_試験深度", "", u"孔内水平載荷試験", "_変形係数"},
    {"孔内載荷試験", "_試験深度", "_試験深度", "", u"孔内載荷試験", "_変形係数"},
};

std::u16string KindText(const TestKind& kind, std::u16string_view given) {
  if (kind.group == "透水試験") {
    return given.find(u"透水") != std::u16string_view::npos ? std::u16string(given)
                                                            : std::u16string(kind.fixed_kind);
  }
  return given.empty() ? std::u16string(kind.fixed_kind) : std::u16string(given);
}

void Collect(const XmlTree& tree, const TestKind& kind, std::vector<InsituTest>* tests) {
  auto child = [&](std::size_t group, std::string_view suffix) {
    return tree.ChildText(group, std::string(kind.group) + std::string(suffix));
  };
  for (std::size_t group : tree.GroupsWithData(kind.group)) {
    std::optional<Decimal> top = ReadNumber(child(group, kind.top));
    if (!top) continue;
    std::optional<Decimal> bottom = ReadNumber(child(group, kind.bottom));
    std::u16string_view given = kind.kind.empty() ? u"" : child(group, kind.kind);
    tests->push_back({*top, bottom.value_or(*top), TextField(KindText(kind, given)),
                      TextField(child(group, kind.result))});
  }
}

}  // namespace

void AppendInsituTestRecords(const XmlTree& tree, RecordLines* lines) {
  std::vector<InsituTest> tests;
  for (const TestKind& kind : kTestKinds) Collect(tree, kind, &tests);
  std::stable_sort(tests.begin(), tests.end(),
                   [](const InsituTest& a, const InsituTest& b) { return a.top < b.top; });
  for (const InsituTest& test : tests) {
    lines->push_back(
        RecordLine(u"3030", {DepthForm(test.top), DepthForm(test.bottom), test.kind, test.result}));
  }
}

}  // namespace bc

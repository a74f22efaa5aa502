#include "exchange/lugeon_records.h"

#include <map>
#include <vector>

#include "exchange/value_text.h"

namespace bc {
namespace {

constexpr int kLugeonDecimals = 3;

struct Point {
  Decimal pressure;
  Decimal quantity;
};

using PointsByTest = std::map<std::u16string, std::vector<Point>>;

PointsByTest ReadPoints(const XmlTree& tree) {
  PointsByTest points;
  for (std::size_t group : tree.GroupsWithData("ルジオン試験詳細データ")) {
    std::optional<Decimal> pressure = ReadNumber(
        tree.ChildText(group,
                       {"ルジオン試験詳細データ_有効圧力", "ルジオン試験詳細データ_注入圧力"}),
        kLugeonDecimals);
    std::optional<Decimal> quantity =
        ReadNumber(tree.ChildText(group, "ルジオン試験詳細データ_注入量"), kLugeonDecimals);
    if (!pressure || !quantity) continue;
    std::u16string key = TestNumberKey(tree.ChildText(group, "ルジオン試験詳細データ_試験番号"));
    points[key].push_back({*pressure, *quantity});
  }
  return points;
}

struct Test {
  std::u16string line;
  std::vector<Point> points;
};

std::u16string LugeonValue(const XmlTree& tree, std::size_t group, std::string_view child) {
  return PlainOr(ReadNumber(tree.ChildText(group, child), kLugeonDecimals), u"9999");
}

}  // namespace

std::u16string TestNumberKey(std::u16string_view text) {
  std::u16string key = FoldForNumber(text);
  std::size_t first = key.find_first_not_of(u'0');
  if (first != std::u16string::npos) key.erase(0, first);
  return key;
}

void AppendLugeonRecords(const XmlTree& tree, RecordLines* lines) {
  PointsByTest points = ReadPoints(tree);
  std::vector<Test> with_points, without_points;
  for (std::size_t group : tree.GroupsWithData("ルジオン試験")) {
    std::optional<Decimal> top = ReadNumber(tree.ChildText(group, "ルジオン試験_上端深度"));
    std::optional<Decimal> bottom = ReadNumber(tree.ChildText(group, "ルジオン試験_下端深度"));
    if (!top || !bottom) continue;
    Test test;
    auto found = points.find(TestNumberKey(tree.ChildText(group, "ルジオン試験_試験番号")));
    if (found != points.end()) {
      test.points = std::move(found->second);  // a later test of that number gets none
      points.erase(found);
    }
    // 99_99 reads as 9999, "no critical pressure"; a plain 9999 would read
    // as a missing number.
    std::u16string critical = PlainOr(
        ReadNumber(tree.ChildText(group, "ルジオン試験_限界圧力"), kLugeonDecimals), u"99_99");
    test.line = RecordLine(u"4010", {DepthForm(*top), DepthForm(*bottom),
                                     LugeonValue(tree, group, "ルジオン試験_圧力最大スケール"),
                                     LugeonValue(tree, group, "ルジオン試験_注入量最大スケール"),
                                     LugeonValue(tree, group, "ルジオン試験_圧力開始点"),
                                     LugeonValue(tree, group, "ルジオン試験_注入量開始点"),
                                     LugeonValue(tree, group, "ルジオン試験_ルジオン値"), critical,
                                     IntField(static_cast<long>(test.points.size()))});
    (test.points.empty() ? without_points : with_points).push_back(std::move(test));
  }
  for (const Test& test : with_points) lines->push_back(test.line);
  for (const Test& test : without_points) lines->push_back(test.line);
  for (const Test& test : with_points) {
    for (const Point& point : test.points) {
      lines->push_back(RecordLine(u"4011", {point.pressure.Plain(), point.quantity.Plain()}));
    }
  }
}

}  // namespace bc

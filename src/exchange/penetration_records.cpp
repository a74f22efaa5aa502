#include "exchange/penetration_records.h"

#include <array>
#include <string>

#include "exchange/value_text.h"

namespace bc {
namespace {

constexpr std::string_view kGroup = "標準貫入試験";

struct Stage {
  std::optional<Decimal> penetration;  // cm
  std::optional<Decimal> blows;
};

class TestReader {
 public:
  TestReader(const XmlTree& tree, std::size_t group) : tree_(tree), group_(group) {
    for (std::size_t child : tree.Children(group)) {
      if (tree.at(child).name.starts_with("標準貫入試験_0_100")) millimetres_ = true;
    }
  }

  std::u16string_view Text(std::string_view suffix) const {
    return tree_.ChildText(group_, std::string(kGroup) + "_" + std::string(suffix));
  }

  // Read exactly, then scaled to cm and rounded: 303 mm is 30.3 cm.
  Stage Read(const std::string& prefix) const {
    Stage stage;
    stage.blows = ReadNumber(Text(prefix + "打撃回数"));
    std::optional<Decimal> penetration = ReadNumberExact(Text(prefix + "貫入量"));
    if (penetration) stage.penetration = penetration->Divided10(millimetres_ ? 1 : 0).Rounded(2);
    return stage;
  }

  std::array<Stage, 3> ReadStages() const {
    static const char* const kCm[] = {"0_10", "10_20", "20_30"};
    static const char* const kMm[] = {"0_100", "100_200", "200_300"};
    std::array<Stage, 3> stages;
    for (int k = 0; k < 3; ++k) stages[k] = Read(millimetres_ ? kMm[k] : kCm[k]);
    return stages;
  }

 private:
  const XmlTree& tree_;
  std::size_t group_;
  bool millimetres_ = false;
};

bool HasAny(const Stage& stage) { return stage.blows || stage.penetration; }

}  // namespace

void AppendPenetrationRecords(const XmlTree& tree, RecordLines* lines) {
  for (std::size_t group : tree.GroupsWithData(kGroup)) {
    TestReader reader(tree, group);
    std::optional<Decimal> start = ReadNumber(reader.Text("開始深度"));
    if (!start) continue;
    std::array<Stage, 3> stages = reader.ReadStages();
    Stage total = reader.Read("合計");
    if (!HasAny(stages[0]) && !HasAny(stages[1]) && !HasAny(stages[2])) {
      if (!HasAny(total)) continue;
      stages[0] = total;
    }
    Decimal penetration;
    if (total.penetration) {
      penetration = *total.penetration;
    } else {
      for (const Stage& stage : stages) {
        if (stage.penetration) penetration = penetration + *stage.penetration;
      }
    }
    Decimal end = (*start + penetration.Divided10(2)).Rounded(3);
    std::vector<std::u16string> fields = {DepthForm(*start), DepthForm(end)};
    for (const Stage& stage : stages) fields.push_back(PlainOr(stage.penetration));
    for (const Stage& stage : stages) fields.push_back(PlainOr(stage.blows));
    lines->push_back(RecordLine(u"4000", fields));
  }
}

}  // namespace bc

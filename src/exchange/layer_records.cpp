#include "exchange/layer_records.h"

#include <algorithm>
#include <optional>

#include "exchange/decimal.h"
#include "exchange/text_field.h"
#include "exchange/value_text.h"

namespace bc {
namespace {

struct Layer {
  Decimal top;
  Decimal bottom;
  std::u16string name;
  std::vector<std::u16string> texts;  // 2002 fields
};

struct LayerKind {
  std::string_view group;
  std::string_view bottom;
  std::string_view name;
};

// 3.00, then 2.x, then 4.00 tags; every file is searched for all of them.
constexpr LayerKind kLayerKinds[] = {
    {"岩石土区分", "岩石土区分_下端深度", "岩石土区分_岩石土名"},
    {"土質岩種区分", "土質岩種区分_下端深度", "土質岩種区分_土質岩種区分1"},
    {"工学的地質区分名現場土質名", "工学的地質区分名現場土質名_下端深度",
     "工学的地質区分名現場土質名_工学的地質区分名現場土質名"},
};

// Full-width parentheses would add a new soil-dictionary entry on every
// conversion.
std::u16string SoilName(std::u16string_view text) {
  std::u16string name = CleanText(text);
  if (name.empty()) name = u"不明";
  std::replace(name.begin(), name.end(), u'（', u'(');
  std::replace(name.begin(), name.end(), u'）', u')');
  return FieldFromClean(std::move(name), FieldKind::kTableName);
}

std::vector<Layer> ReadLayers(const XmlTree& tree) {
  std::vector<Layer> layers;
  for (const LayerKind& kind : kLayerKinds) {
    for (std::size_t i = 0; i < tree.elements().size(); ++i) {
      if (tree.at(i).name != kind.group) continue;
      std::optional<Decimal> bottom = ReadNumber(tree.ChildText(i, kind.bottom));
      if (!bottom) continue;
      Layer layer;
      layer.top = layers.empty() ? Decimal() : layers.back().bottom;
      layer.bottom = *bottom;
      layer.name = SoilName(tree.ChildText(i, kind.name));
      layers.push_back(std::move(layer));
    }
  }
  return layers;
}

struct LayerText {
  Decimal top;
  std::vector<std::u16string> lines;
};

std::vector<LayerText> ReadTexts(const XmlTree& tree) {
  std::vector<LayerText> texts;
  for (std::size_t group : tree.GroupsWithData("観察記事")) {
    std::vector<std::u16string> lines = SplitTextLines(tree.ChildText(group, "観察記事_記事"));
    if (lines.empty()) continue;
    std::optional<Decimal> top = ReadNumber(tree.ChildText(group, "観察記事_上端深度"));
    if (!top) continue;
    texts.push_back({*top, std::move(lines)});
  }
  std::stable_sort(texts.begin(), texts.end(),
                   [](const LayerText& a, const LayerText& b) { return a.top < b.top; });
  return texts;
}

std::u16string TextField(const LayerText& text, std::size_t line, const Decimal& layer_top) {
  std::u16string field = TextField(text.lines[line], FieldKind::kLayerLine);
  if (line == 0 && !(text.top == layer_top) && field[0] != u'[') {
    field = u"[" + DepthForm(text.top) + u"]" + field;
  }
  return field;
}

// Each text goes to the last layer (in layer order) whose top is at most the
// text's top, the first layer when there is none. Texts come sorted by top,
// so one sweep over the layers sorted by top finds them all.
void PlaceTexts(const XmlTree& tree, std::vector<Layer>& layers) {
  if (layers.empty()) return;
  std::vector<std::size_t> by_top(layers.size());
  for (std::size_t k = 0; k < layers.size(); ++k) by_top[k] = k;
  std::stable_sort(by_top.begin(), by_top.end(),
                   [&](std::size_t a, std::size_t b) { return layers[a].top < layers[b].top; });
  std::size_t next = 0;
  std::optional<std::size_t> last;
  for (const LayerText& text : ReadTexts(tree)) {
    for (; next < by_top.size() && layers[by_top[next]].top <= text.top; ++next) {
      last = std::max(last.value_or(0), by_top[next]);
    }
    Layer& layer = layers[last.value_or(0)];
    for (std::size_t line = 0; line < text.lines.size(); ++line) {
      layer.texts.push_back(TextField(text, line, layer.top));
    }
  }
}

}  // namespace

std::vector<std::u16string> SplitTextLines(std::u16string_view text) {
  std::vector<std::u16string> lines;
  std::size_t begin = 0;
  auto flush = [&](std::size_t end) {
    std::u16string_view line = text.substr(begin, end - begin);
    if (!Trim(line).empty()) lines.emplace_back(line);
  };
  for (std::size_t i = 0; i < text.size();) {
    std::size_t width = 0;
    if (text[i] == u'\\' && i + 1 < text.size() && text[i + 1] == u'n') {
      width = 2;
    } else if (text[i] == u'\r') {
      width = i + 1 < text.size() && text[i + 1] == u'\n' ? 2 : 1;
    } else if (text[i] == u'\n') {
      width = 1;
    }
    if (width == 0) {
      ++i;
      continue;
    }
    flush(i);
    i += width;
    begin = i;
  }
  flush(text.size());
  return lines;
}

void AppendLayerRecords(const XmlTree& tree, RecordLines* lines) {
  std::vector<Layer> layers = ReadLayers(tree);
  PlaceTexts(tree, layers);
  for (const Layer& layer : layers) {
    lines->push_back(RecordLine(u"2000", {DepthForm(layer.bottom), layer.name}));
  }
  for (const Layer& layer : layers) {
    lines->push_back(RecordLine(
        u"2001", {DepthForm(layer.bottom), DepthForm(layer.top), layer.name, u"@", u"@", u"@", u"@",
                  u"@", u"0", IntField(static_cast<long>(layer.texts.size()))}));
  }
  for (const Layer& layer : layers) {
    for (const std::u16string& text : layer.texts) lines->push_back(RecordLine(u"2002", {text}));
  }
}

}  // namespace bc

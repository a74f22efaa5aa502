#include "exchange/title_records.h"

#include <algorithm>
#include <optional>

#include "exchange/text_field.h"
#include "exchange/value_text.h"

namespace bc {
namespace {

std::u16string ReplaceLiteralNewlines(std::u16string_view text) {
  std::u16string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == u'\\' && i + 1 < text.size() && text[i + 1] == u'n') {
      out.push_back(u' ');
      ++i;
    } else {
      out.push_back(text[i]);
    }
  }
  return out;
}

void AppendSurveyName(const XmlTree& tree, RecordLines* lines) {
  std::optional<std::size_t> basic = tree.First("調査基本情報");
  if (!basic) return;
  std::u16string name = CleanText(ReplaceLiteralNewlines(tree.ChildText(*basic, "調査名")));
  if (name.empty()) return;
  lines->push_back(RecordLine(u"1000", {FieldFromClean(name)}));
}

void AppendAngles(const XmlTree& tree, std::size_t group, std::u16string_view code,
                  std::string_view degrees, std::string_view minutes, std::string_view seconds,
                  RecordLines* lines) {
  std::optional<Decimal> d = ReadNumber(tree.ChildText(group, degrees));
  std::optional<Decimal> m = ReadNumber(tree.ChildText(group, minutes));
  std::optional<Decimal> s = ReadNumber(tree.ChildText(group, seconds), 5);
  if (!d && !m && !s) return;
  lines->push_back(RecordLine(code, {PlainOr(d), PlainOr(m), PlainOr(s)}));
}

void AppendPosition(const XmlTree& tree, RecordLines* lines) {
  std::optional<std::size_t> group = tree.First("経度緯度情報");
  if (!group) return;
  AppendAngles(tree, *group, u"1006", "経度_度", "経度_分", "経度_秒", lines);
  AppendAngles(tree, *group, u"1007", "緯度_度", "緯度_分", "緯度_秒", lines);
}

ExchangeDate ReadableOrMissing(std::u16string_view text) {
  ExchangeDate date = ReadDate(text);
  return date.readable ? date : ExchangeDate();
}

void AppendPeriod(const XmlTree& tree, RecordLines* lines) {
  std::optional<std::size_t> group = tree.First("調査期間");
  if (!group) return;
  ExchangeDate start = ReadableOrMissing(tree.ChildText(*group, "調査期間_開始年月日"));
  ExchangeDate end = ReadableOrMissing(tree.ChildText(*group, "調査期間_終了年月日"));
  if (!start.year && !end.year) return;  // the converter would print 1988
  lines->push_back(RecordLine(u"1009", {EraText(start.year ? *start.year : *end.year),
                                        IntOr(start.year), IntOr(start.month), IntOr(start.day),
                                        IntOr(end.year), IntOr(end.month), IntOr(end.day)}));
}

void AppendBorehole(const XmlTree& tree, RecordLines* lines) {
  std::optional<std::size_t> group = tree.First("ボーリング基本情報");
  if (!group) return;
  std::optional<Decimal> elevation = ReadNumber(tree.ChildText(*group, "孔口標高"));
  std::optional<Decimal> angle = ReadNumber(tree.ChildText(*group, {"掘進角度", "角度"}));
  std::optional<Decimal> direction =
      ReadNumber(tree.ChildText(*group, {"掘進方向", "方位", "掘進方位"}));
  std::optional<Decimal> slope = ReadNumber(tree.ChildText(*group, "地盤勾配"));
  if (!elevation && !angle && !direction && !slope) return;
  std::u16string height = u"@";
  if (elevation) {
    height = ElevationDatum(tree) + (elevation->negative() ? u"" : u"+") + DepthForm(*elevation);
    height = TextField(height);
  }
  lines->push_back(
      RecordLine(u"1013", {height, PlainOr(angle), PlainOr(direction), PlainOr(slope)}));
}

bool IsDatumEnd(char16_t c) { return c == u']' || c == u'=' || c == u'＝' || IsTrimSpace(c); }

}  // namespace

std::u16string EraText(int year) {
  auto era = [](std::u16string_view name, int number) {
    return std::u16string(name) + IntField(number);
  };
  if (year > 1988) return era(u"平成", year - 1988);
  if (year > 1925) return era(u"昭和", year - 1925);
  if (year > 1911) return era(u"大正", year - 1911);
  return u"-1";
}

std::u16string ElevationDatum(const XmlTree& tree) {
  for (const XmlElement& element : tree.elements()) {
    if (element.name != "フリー情報") continue;
    const std::u16string& text = element.raw_text;
    std::size_t at = std::min(text.find(u"標高基準："), text.find(u"標高基準:"));
    if (at != std::u16string::npos) {
      std::size_t i = at + 5;
      while (i < text.size() && IsTrimSpace(text[i])) ++i;
      std::size_t begin = i;
      while (i < text.size() && !IsDatumEnd(text[i])) ++i;
      return text.substr(begin, i - begin);
    }
    if (text.find(u"標高基準は不明") != std::u16string::npos) return u"";
  }
  return u"T.P.";
}

void AppendTitleRecords(const XmlTree& tree, RecordLines* lines) {
  AppendSurveyName(tree, lines);
  AppendPosition(tree, lines);
  AppendPeriod(tree, lines);
  AppendBorehole(tree, lines);
}

}  // namespace bc

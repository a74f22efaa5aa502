#include "e2e/growing_boring.h"

#include <stdexcept>

#include "text/utf8.h"

namespace bc::testing {
namespace {

// Kanji digits: no width conversion or number reading touches them.
std::u16string KanjiNumber(int n) {
  static constexpr std::u16string_view kDigits = u"〇一二三四五六七八九";
  std::u16string digits;
  do {
    digits.insert(digits.begin(), kDigits[static_cast<std::size_t>(n % 10)]);
    n /= 10;
  } while (n > 0);
  return digits;
}

std::string U8(std::u16string_view text) { return ToUtf8(std::u16string(text)); }

}  // namespace

const std::array<GrowingTable, 10>& GrowingTables() {
  static const std::array<GrowingTable, 10> kTables = {{
      {"KISHITU.TXT", 4, true, u",", u",    ,    ,    ,0000", u",,,,0000"},
      {"XKISHITU.TXT", 4, true, u",", u",    ,    ,    ,0000"},
      {"L13.TXT", 2, false, u",", u""},
      {"L14.TXT", 2, false, u",", u""},
      {"L15.TXT", 2, false, u",", u""},
      {"L16.TXT", 2, false, u",", u""},
      {"L17.TXT", 2, false, u",      ,", u""},
      {"L18.TXT", 2, true, u",", u""},
      {"L18B.TXT", 2, true, u",", u""},
      {"L19.TXT", 2, false, u",", u""},
  }};
  return kTables;
}

const GrowingTable& FindGrowingTable(std::string_view file) {
  for (const GrowingTable& table : GrowingTables()) {
    if (file == table.file) return table;
  }
  throw std::invalid_argument("not a growing table: " + std::string(file));
}

std::u16string TableLine(const GrowingTable& table, int code, std::u16string_view name) {
  std::u16string digits = FromUtf8(std::to_string(code));
  std::size_t width = static_cast<std::size_t>(table.code_width);
  if (digits.size() < width)
    digits.insert(0, width - digits.size(), table.zero_padded ? u'0' : u' ');
  return digits + std::u16string(table.between) + std::u16string(name) +
         std::u16string(table.after);
}

GrowingBoring MakeGrowingBoring(int id, int shared_id) {
  const std::u16string own = KanjiNumber(id);
  const std::u16string shared = u"共" + KanjiNumber(shared_id);
  GrowingBoring boring;
  auto both = [&](const char* file, std::u16string_view head) {
    std::u16string a = std::u16string(head) + own, b = std::u16string(head) + shared;
    boring.names[file] = {a, b};
    return U8(a + u"～" + b);
  };
  std::u16string soil_a = u"試土" + own, soil_b = u"試土" + shared;
  boring.names["KISHITU.TXT"] = boring.names["XKISHITU.TXT"] = {soil_a, soil_b};
  std::string attributes;
  const char* attribute_tables[] = {"L13.TXT", "L14.TXT", "L15.TXT", "L16.TXT", "L17.TXT"};
  const char16_t* heads[] = {u"密", u"軟", u"湿", u"混", u"風"};
  for (int i = 0; i < 5; ++i) attributes += " " + both(attribute_tables[i], heads[i]);
  std::string ages = both("L19.TXT", u"代");
  boring.names["L18.TXT"] = {u"硬" + own, u"硬" + shared};
  boring.names["L18B.TXT"] = {u"状" + own, u"状" + shared};

  boring.source = "QVN,V5\n1003 同時実行" + U8(own) + "\n" +                        //
                  "2000 1.00 " + U8(soil_a) + "\n2000 2.00 " + U8(soil_b) + "\n" +  //
                  "2001 1.00 1.00 暗褐" + attributes + " B 0\n" +                   //
                  "3070 1.00 " + ages + "\n" +                                      //
                  "5010 1.00 -1 x 硬" + U8(own) + "／状" + U8(own) + "\n" +         //
                  "5010 2.00 -1 x 硬" + U8(shared) + "／状" + U8(shared) + "\n";
  return boring;
}

}  // namespace bc::testing

// Numbers, dates and text fields of the exchange import.
#include <gtest/gtest.h>

#include "exchange/decimal.h"
#include "exchange/text_field.h"
#include "exchange/value_text.h"
#include "text/utf8.h"

namespace bc {
namespace {

std::string Number(std::u16string_view text, int decimals = 2, bool depth = false) {
  std::optional<Decimal> value = ReadNumber(text, decimals);
  if (!value) return "missing";
  return ToUtf8(depth ? DepthForm(*value) : value->Plain());
}

TEST(ExchangeNumberTest, ReadsRoundsAndWrites) {
  struct Case {
    std::u16string_view text;
    int decimals;
    std::string plain;
  } cases[] = {
      {u"12", 2, "12"},
      {u"12.50", 2, "12.5"},
      {u"+0.036", 3, "0.036"},
      {u"-0.2", 2, "-0.2"},
      {u"30.2999992370605", 2, "30.3"},  // a binary-float artefact of the writer
      {u"25.552224", 5, "25.55222"},
      {u"0.005", 2, "0.01"},  // half away from zero
      {u"-0.005", 2, "-0.01"},
      {u"-0.004", 2, "0"},  // never "-0"
      {u"9.995", 2, "10"},
      {u"1.5e2", 2, "150"},
      {u"12.", 2, "12"},
      {u".5", 2, "0.5"},
      {u"　１２．５　", 2, "12.5"},  // full-width and ideographic spaces
      {u"－３", 2, "-3"},
      {u"\u22123", 2, "-3"},
      {u"1e29", 2, "100000000000000000000000000000"},
      {u"1e30", 2, "missing"},
      {u"1e-29", 2, "0"},
      {u"1e-30", 2, "missing"},
      {u"00000000000000000000000000000000000001", 2, "1"},
      {u"", 2, "missing"},
      {u"1,000", 2, "missing"},
      {u"12.5m", 2, "missing"},
      {u"-", 2, "missing"},
      {u"なし", 2, "missing"},
      {u"1e", 2, "missing"},
      {u"1e99999999999999999999", 2, "missing"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Number(c.text, c.decimals), c.plain) << ToUtf8(c.text);
  }
}

TEST(ExchangeNumberTest, DepthFormAndArithmetic) {
  EXPECT_EQ(Number(u"12", 2, true), "12.00");
  EXPECT_EQ(Number(u"-0.2", 2, true), "-0.20");
  Decimal end = *ReadNumber(u"8.15") + ReadNumberExact(u"30.3")->Divided10(2);
  EXPECT_EQ(ToUtf8(DepthForm(end.Rounded(3))), "8.453");
  EXPECT_EQ(ToUtf8((*ReadNumber(u"1.5") + *ReadNumber(u"-2.25")).Plain()), "-0.75");
  EXPECT_TRUE(*ReadNumber(u"9999.00") == Decimal::FromInt(9999));
  EXPECT_TRUE(*ReadNumber(u"-99.99") <= Decimal::FromInt(-99));
  EXPECT_TRUE(*ReadNumber(u"0.5") < *ReadNumber(u"1"));
}

TEST(ExchangeDateTest, Forms) {
  struct Case {
    std::u16string_view text;
    bool readable;
    int year, month, day;  // -1 missing
  } cases[] = {
      {u"2013-01-29", true, 2013, 1, 29},
      {u"2013-1", true, 2013, 1, -1},
      {u"2013/1/5", true, 2013, 1, 5},
      {u"２０１３．１２", true, 2013, 12, -1},
      {u"2013", true, 2013, -1, -1},
      {u"0000-00-00", true, -1, -1, -1},
      {u"2013-13-01", true, 2013, -1, -1},
      {u"2013-12-32", true, 2013, 12, -1},
      {u"", true, -1, -1, -1},
      {u"H25.1.29", false, -1, -1, -1},
      {u"13-1-29", false, -1, -1, -1},
      {u"2013-001-02", false, -1, -1, -1},
      {u"2013-1-", false, -1, -1, -1},
  };
  for (const Case& c : cases) {
    ExchangeDate date = ReadDate(c.text);
    SCOPED_TRACE(ToUtf8(c.text));
    EXPECT_EQ(date.readable, c.readable);
    EXPECT_EQ(date.year.value_or(-1), c.year);
    EXPECT_EQ(date.month.value_or(-1), c.month);
    EXPECT_EQ(date.day.value_or(-1), c.day);
  }
}

TEST(ExchangeTextFieldTest, CleansAndEscapes) {
  struct Case {
    std::u16string_view text;
    FieldKind kind;
    std::u16string_view field;
  } cases[] = {
      {u"", FieldKind::kPlain, u"@"},
      {u"\u3000\u3000", FieldKind::kPlain, u"@"},
      {u"@", FieldKind::kPlain, u"＠"},
      {u"  a \t b\u3000", FieldKind::kPlain, u"a_b"},   // trailing U+3000 goes
      {u"a\u3000b", FieldKind::kPlain, u"a\u3000b"},    // inner ones stay
      {u"a\u200Bb\u0007c", FieldKind::kPlain, u"abc"},  // format and control characters
      {u"—¥µ∼", FieldKind::kPlain, u"―￥μ～"},
      {u"¢−〜", FieldKind::kPlain, u"￠－～"},     // one-way code page mappings
      {u"ℌ\U0001D400", FieldKind::kPlain, u"HA"},  // compatibility forms
      {u"\u0E01\U0001F600", FieldKind::kPlain, u"？？"},
      {u"粘土,砂\"", FieldKind::kTableName, u"粘土，砂”"},
      {u"粘土,砂", FieldKind::kPlain, u"粘土,砂"},
      {u"[注]あり", FieldKind::kLayerLine, u"\u3000[注]あり"},
      {u"[3.00]硬い", FieldKind::kLayerLine, u"[3.00]硬い"},
      {u"[ -1.5 ]x", FieldKind::kLayerLine, u"[_-1.5_]x"},
      {u"[12.]x", FieldKind::kLayerLine, u"\u3000[12.]x"},
      {u"[注]あり", FieldKind::kPlain, u"[注]あり"},
      {u"9999", FieldKind::kPlain, u"\u30009999"},
      {u"9999 m", FieldKind::kPlain, u"\u30009999_m"},
      {u"9.999E3", FieldKind::kPlain, u"\u30009.999E3"},
      {u"&H270F", FieldKind::kPlain, u"\u3000&H270F"},
      {u"99 99", FieldKind::kPlain, u"99_99"},
      {u"99990", FieldKind::kPlain, u"99990"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ToUtf8(TextField(c.text, c.kind)), ToUtf8(c.field)) << ToUtf8(c.text);
  }
}

}  // namespace
}  // namespace bc

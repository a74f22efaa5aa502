// Record rules and refusals of the exchange import, on small documents.
#include "exchange/exchange_import.h"

#include <gtest/gtest.h>

#include "exchange/exchange_test_util.h"
#include "run/run_error.h"

namespace bc::testing {
namespace {

struct RecordCase {
  const char* name;
  std::string body;
  std::string records;
};

const RecordCase kRecordCases[] = {
    {"TitlesAndDatum",
     "<調査基本情報><調査名>A\\nB 調査</調査名></調査基本情報>"
     "<経度緯度情報><経度_度>136</経度_度><経度_分>9</経度_分><経度_秒>38.210004</経度_秒>"
     "<緯度_度/><緯度_分/><緯度_秒/></経度緯度情報>"
     "<調査期間><調査期間_開始年月日>0000-00-00</調査期間_開始年月日>"
     "<調査期間_終了年月日>2020-1</調査期間_終了年月日></調査期間>"
     "<ボーリング基本情報><孔口標高>-0.2</孔口標高><掘進角度></掘進角度><角度>90</角度>"
     "<方位>5</方位></ボーリング基本情報>"
     "<フリー情報>[標高基準：DL=]</フリー情報>",
     "1000 A_B_調査|1006 136 9 38.21|1009 平成32 -1 -1 -1 2020 1 -1|1013 DL-0.20 -1 5 -1"},
    {"TitlesLeftOutWhenMissing",
     "<調査基本情報><調査名>　</調査名></調査基本情報><調査期間><調査期間_開始年月日>不明"
     "</調査期間_開始年月日></調査期間><ボーリング基本情報><孔口標高>-</孔口標高>"
     "</ボーリング基本情報>",
     ""},
    {"UnknownDatumAndDefault",
     "<ボーリング基本情報><孔口標高>5.3</孔口標高></ボーリング基本情報>"
     "<フリー情報>標高基準は不明</フリー情報><フリー情報>[標高基準：KBM]</フリー情報>",
     "1013 +5.30 -1 -1 -1"},
    {"LayersAndTexts",
     "<岩石土区分><岩石土区分_下端深度>1.5</岩石土区分_下端深度>"
     "<岩石土区分_岩石土名>砂（細,粗）</岩石土区分_岩石土名></岩石土区分>"
     "<岩石土区分><岩石土区分_下端深度>不明</岩石土区分_下端深度></岩石土区分>"
     "<岩石土区分><岩石土区分_下端深度>4</岩石土区分_下端深度>"
     "<岩石土区分_岩石土名></岩石土区分_岩石土名></岩石土区分>"
     "<観察記事><観察記事_上端深度>3</観察記事_上端深度>"
     "<観察記事_記事>硬い。\\n\\n[注]あり\r\n\\続き</観察記事_記事></観察記事>"
     "<観察記事><観察記事_上端深度>0</観察記事_上端深度>"
     "<観察記事_記事>表土</観察記事_記事></観察記事>"
     "<観察記事><観察記事_上端深度>1.5</観察記事_上端深度>"
     "<観察記事_記事>[1.5]既に</観察記事_記事></観察記事>"
     "<観察記事><観察記事_上端深度></観察記事_上端深度><観察記事_記事>x</観察記事_記事></観察記事>",
     "2000 1.50 砂(細，粗)|2000 4.00 不明|2001 1.50 0.00 砂(細，粗) @ @ @ @ @ 0 1|"
     "2001 4.00 1.50 不明 @ @ @ @ @ 0 4|2002 表土|2002 [1.5]既に|2002 [3.00]硬い。|"
     "2002 \u3000[注]あり|2002 \\続き"},
    {"WaterLevels",
     "<孔内水位><孔内水位_孔内水位>9999.00</孔内水位_孔内水位></孔内水位>"
     "<孔内水位><孔内水位_孔内水位>-99.99</孔内水位_孔内水位></孔内水位>"
     "<孔内水位><孔内水位_測定年月日>2013-01-29</孔内水位_測定年月日>"
     "<孔内水位_孔内水位>1.5</孔内水位_孔内水位></孔内水位>"
     "<孔内水位><孔内水位_測定年月日>2013-1-29</孔内水位_測定年月日>"
     "<孔内水位_孔内水位>1.50</孔内水位_孔内水位></孔内水位>"
     "<孔内水位><孔内水位_測定年月日>2014-01-29</孔内水位_測定年月日>"
     "<孔内水位_孔内水位>1.5</孔内水位_孔内水位></孔内水位>"
     "<孔内水位><孔内水位_測定年月日>朝</孔内水位_測定年月日>"
     "<孔内水位_孔内水位>2</孔内水位_孔内水位></孔内水位>"
     "<孔内水位><孔内水位_測定年月日>朝</孔内水位_測定年月日>"
     "<孔内水位_孔内水位>2</孔内水位_孔内水位></孔内水位>",
     "3020 1.50 1 29|3020 1.50 1 29|3020 2.00 -1 -1"},
    // -99 and 999 stand for no reading; the levels just inside them are real.
    {"WaterLevelBoundaries",
     "<孔内水位><孔内水位_孔内水位>-99</孔内水位_孔内水位></孔内水位>"
     "<孔内水位><孔内水位_孔内水位>-98.99</孔内水位_孔内水位></孔内水位>"
     "<孔内水位><孔内水位_孔内水位>998.99</孔内水位_孔内水位></孔内水位>"
     "<孔内水位><孔内水位_孔内水位>999</孔内水位_孔内水位></孔内水位>",
     "3020 -98.99 -1 -1|3020 998.99 -1 -1"},
    {"InsituTestsSortedByTop",
     "<透水試験><透水試験_上端深度>5</透水試験_上端深度><透水試験_試験方法>単孔式</"
     "透水試験_試験方法>"
     "<透水試験_透水係数>1.0E-5</透水試験_透水係数></透水試験>"
     "<その他原位置試験><その他原位置試験_上端深度>5</その他原位置試験_上端深度>"
     "<その他原位置試験_試験名/></その他原位置試験>"
     "<孔内載荷試験><孔内載荷試験_試験深度>2</孔内載荷試験_試験深度>"
     "<孔内載荷試験_変形係数>12 MN</孔内載荷試験_変形係数></孔内載荷試験>",
     "3030 2.00 2.00 孔内載荷試験 12_MN|3030 5.00 5.00 その他原位置試験 @|"
     "3030 5.00 5.00 透水試験 1.0E-5"},
    {"Samples",
     "<試料採取><試料採取_上端深度>3</試料採取_上端深度><試料採取_採取方法コード>100"
     "</試料採取_採取方法コード></試料採取>"
     "<試料採取><試料採取_上端深度>2</試料採取_上端深度><試料採取_下端深度>2.8</試料採取_下端深度>"
     "<試料採取_採取方法>ｔｈｉｎ wall</試料採取_採取方法></試料採取>"
     "<試料採取><試料採取_上端深度>1</試料採取_上端深度><試料採取_採取方法コード>300"
     "</試料採取_採取方法コード></試料採取>"
     "<試料採取><試料採取_上端深度>4</試料採取_上端深度><試料採取_採取方法>二重管スリーブ"
     "</試料採取_採取方法></試料採取>"
     "<試料採取><試料採取_上端深度>5</試料採取_上端深度><試料採取_採取方法>標準貫入"
     "</試料採取_採取方法></試料採取>",
     "3040 1.00 1.00 D|3040 2.00 2.80 T|3040 4.00 4.00 @"},
    {"PenetrationCentimetres",
     "<標準貫入試験><標準貫入試験_開始深度>8.15</標準貫入試験_開始深度>"
     "<標準貫入試験_0_10打撃回数>3</標準貫入試験_0_10打撃回数>"
     "<標準貫入試験_0_10貫入量>10</標準貫入試験_0_10貫入量>"
     "<標準貫入試験_10_20打撃回数>4</標準貫入試験_10_20打撃回数>"
     "<標準貫入試験_10_20貫入量>20.2999992370605</標準貫入試験_10_20貫入量>"
     "<標準貫入試験_合計貫入量>30.2999992370605</標準貫入試験_合計貫入量></標準貫入試験>"
     "<標準貫入試験><標準貫入試験_開始深度>9</標準貫入試験_開始深度>"
     "<標準貫入試験_合計打撃回数>50</標準貫入試験_合計打撃回数>"
     "<標準貫入試験_合計貫入量>1</標準貫入試験_合計貫入量></標準貫入試験>"
     "<標準貫入試験><標準貫入試験_開始深度>10</標準貫入試験_開始深度>"
     "<標準貫入試験_備考>自沈</標準貫入試験_備考></標準貫入試験>",
     "4000 8.15 8.453 10 20.3 -1 3 4 -1|4000 9.00 9.01 1 -1 -1 50 -1 -1"},
    {"PenetrationMillimetres",
     "<標準貫入試験><標準貫入試験_開始深度>1.15</標準貫入試験_開始深度>"
     "<標準貫入試験_0_100打撃回数>1</標準貫入試験_0_100打撃回数>"
     "<標準貫入試験_0_100貫入量>200</標準貫入試験_0_100貫入量>"
     "<標準貫入試験_100_200打撃回数>1</標準貫入試験_100_200打撃回数>"
     "<標準貫入試験_100_200貫入量>130</標準貫入試験_100_200貫入量>"
     "<標準貫入試験_合計貫入量>330</標準貫入試験_合計貫入量></標準貫入試験>",
     "4000 1.15 1.48 20 13 -1 1 1 -1"},
    {"Lugeon",
     "<ルジオン試験><ルジオン試験_試験番号>1</ルジオン試験_試験番号>"
     "<ルジオン試験_上端深度>1</ルジオン試験_上端深度><ルジオン試験_下端深度>2</"
     "ルジオン試験_下端深度>"
     "</ルジオン試験>"
     "<ルジオン試験><ルジオン試験_試験番号>0002</ルジオン試験_試験番号>"
     "<ルジオン試験_上端深度>2</ルジオン試験_上端深度><ルジオン試験_下端深度>3</"
     "ルジオン試験_下端深度>"
     "<ルジオン試験_ルジオン値>15.1234</ルジオン試験_ルジオン値>"
     "<ルジオン試験_限界圧力>0.6</ルジオン試験_限界圧力></ルジオン試験>"
     "<ルジオン試験詳細データ><ルジオン試験詳細データ_試験番号>２</ルジオン試験詳細データ_試験番号>"
     "<ルジオン試験詳細データ_注入圧力>0.1</ルジオン試験詳細データ_注入圧力>"
     "<ルジオン試験詳細データ_注入量>1.2345</ルジオン試験詳細データ_注入量></"
     "ルジオン試験詳細データ>"
     "<ルジオン試験詳細データ><ルジオン試験詳細データ_試験番号>2</ルジオン試験詳細データ_試験番号>"
     "<ルジオン試験詳細データ_注入量>3</ルジオン試験詳細データ_注入量></ルジオン試験詳細データ>"
     "<ルジオン試験詳細データ><ルジオン試験詳細データ_試験番号>1</ルジオン試験詳細データ_試験番号>"
     "<ルジオン試験詳細データ_有効圧力/><ルジオン試験詳細データ_注入圧力>1</"
     "ルジオン試験詳細データ_注入圧力>"
     "<ルジオン試験詳細データ_注入量>3</ルジオン試験詳細データ_注入量></ルジオン試験詳細データ>",
     "4010 2.00 3.00 9999 9999 9999 9999 15.123 0.6 1|4010 1.00 2.00 9999 9999 9999 9999 9999 "
     "99_99 0|4011 0.1 1.235"},
    {"ProgressAndPlaceholderGroups",
     "<掘削工程><掘削工程_掘進深度/><掘削工程_測定年月日/></掘削工程>"
     "<削孔工程><削孔工程_削孔深度>3.5</削孔工程_削孔深度>"
     "<削孔工程_測定年月日>2018-10-29</削孔工程_測定年月日></削孔工程>"
     "<掘削工程><掘削工程_掘進深度>1</掘削工程_掘進深度><掘削工程_測定年月日>?</"
     "掘削工程_測定年月日>"
     "</掘削工程>",
     "5000 1.00 -1 -1 @ @ @ @ @ @ @|5000 3.50 10 29 @ @ @ @ @ @ @"},
    {"ReferencesAndCdata",
     "<調査基本情報><調査名>A&amp;B&#x3042;<![CDATA[<C>]]></調査名></調査基本情報>",
     "1000 A&Bあ<C>"},
};

class RecordCaseTest : public ::testing::TestWithParam<RecordCase> {};

TEST_P(RecordCaseTest, Records) {
  try {
    EXPECT_EQ(ImportedRecords(ExchangeXml(GetParam().body)), GetParam().records);
  } catch (const RunError& e) {
    FAIL() << e.what();
  }
}

INSTANTIATE_TEST_SUITE_P(Exchange, RecordCaseTest, ::testing::ValuesIn(kRecordCases),
                         [](const auto& param_info) { return std::string(param_info.param.name); });

std::string FirstLine(const std::string& bytes) { return bytes.substr(0, bytes.find("\r\n")); }

TEST(ExchangeImportTest, VersionLineAndEndMark) {
  EXPECT_EQ(ImportExchangeXml(ExchangeXml("", "2.10")), "QVN BED2.10\r\n9000\r\n");
  EXPECT_EQ(FirstLine(ImportExchangeXml(ExchangeXml("", " 4.00 "))), "QVN BED4.00");
  std::string no_attribute =
      "<?xml version=\"1.0\"?>\n<!DOCTYPE ボーリング情報 SYSTEM \"bed0400.dtd\">\n"
      "<ボーリング情報/>";
  EXPECT_EQ(FirstLine(ImportExchangeXml(no_attribute)), "QVN BED4.00");
  EXPECT_EQ(FirstLine(ImportExchangeXml("<ボーリング情報/>")), "QVN BED");
}

TEST(ExchangeImportTest, EncodingsDecidedByBytes) {
  std::string body = "<調査基本情報><調査名>調査</調査名></調査基本情報>";
  std::string utf8 = ExchangeXml(body);
  std::string want = ImportExchangeXml(utf8);
  EXPECT_EQ(ImportExchangeXml("\xEF\xBB\xBF" + utf8), want);
  std::string declared_utf8_in_sjis =
      EncodeAnsi(FromUtf8("<?xml version=\"1.0\" encoding=\"UTF-8\"?><ボーリング情報 "
                          "DTD_version=\"3.00\">" +
                          body + "</ボーリング情報>"));
  EXPECT_EQ(ImportExchangeXml(declared_utf8_in_sjis), want);
  std::u16string text = FromUtf8(utf8);
  std::string utf16 = "\xFF\xFE";
  for (char16_t c : text) {
    utf16.push_back(static_cast<char>(c & 0xFF));
    utf16.push_back(static_cast<char>(c >> 8));
  }
  EXPECT_TRUE(LooksLikeExchangeXml(utf16));
  EXPECT_EQ(ImportExchangeXml(utf16), want);
  // The same document in EUC-JP, which also reads as (other) Shift_JIS text:
  // the declaration decides.
  std::string euc =
      "<?xml version=\"1.0\" encoding=\"euc-jp\"?>"
      "<\xA5\xDC\xA1\xBC\xA5\xEA\xA5\xF3\xA5\xB0\xBE\xF0\xCA\xF3 "
      "DTD_version=\"3.00\"><\xC4\xB4\xBA\xBA\xB4\xF0\xCB\xDC\xBE\xF0\xCA\xF3><"
      "\xC4\xB4\xBA\xBA\xCC\xBE>\xC4\xB4\xBA\xBA</\xC4\xB4\xBA\xBA\xCC\xBE></"
      "\xC4\xB4\xBA\xBA\xB4\xF0\xCB\xDC\xBE\xF0\xCA\xF3></"
      "\xA5\xDC\xA1\xBC\xA5\xEA\xA5\xF3\xA5\xB0\xBE\xF0\xCA\xF3>";
  EXPECT_EQ(ImportExchangeXml(euc), want);
}

TEST(ExchangeImportTest, RecognisedByContent) {
  EXPECT_TRUE(LooksLikeExchangeXml("  \r\n<?xml version=\"1.0\"?><a/>"));
  EXPECT_TRUE(LooksLikeExchangeXml("\xEF\xBB\xBF<ボーリング情報>"));
  EXPECT_TRUE(LooksLikeExchangeXml(EncodeAnsi(u"<ボーリング情報 DTD_version=\"3.00\">")));
  EXPECT_TRUE(LooksLikeExchangeXml("<!DOCTYPE ボーリング情報 SYSTEM \"BED0300.DTD\">"));
  EXPECT_FALSE(LooksLikeExchangeXml("QVN BED3.00\r\n1000 <x>\r\n"));
  EXPECT_FALSE(LooksLikeExchangeXml(""));
  EXPECT_FALSE(LooksLikeExchangeXml("<html>"));
}

// Refused files end in a RunError whose message says what is wrong.
struct BadCase {
  const char* name;
  std::string xml;
  std::u16string message_part;
};

std::string BillionLaughs() {
  std::string doc = "<?xml version=\"1.0\"?>\n<!DOCTYPE ボーリング情報 [\n<!ENTITY lol \"lol\">\n";
  for (int k = 1; k < 10; ++k) {
    doc += "<!ENTITY lol" + std::to_string(k) + " \"";
    for (int j = 0; j < 10; ++j)
      doc += "&lol" + (k == 1 ? std::string() : std::to_string(k - 1)) + ";";
    doc += "\">\n";
  }
  return doc + "]>\n<ボーリング情報 DTD_version=\"3.00\"><調査名>&lol9;</調査名></ボーリング情報>";
}

const BadCase kBadCases[] = {
    {"Empty", " \r\n\t", u"空"},
    {"Truncated", ExchangeXml("<調査基本情報><調査名>A</調査名>").substr(0, 90), u"（3 行"},
    {"Unclosed", ExchangeXml("<調査基本情報><調査名>A</調査名>"), u"形式が正しくありません"},
    {"WrongRoot", "<?xml version=\"1.0\"?><html><body/></html>", u"ルート要素が html"},
    {"TwoRoots", "<ボーリング情報/><ボーリング情報/>", u"ルート要素が複数"},
    {"UnknownVersion", ExchangeXml("", "5.00"), u"版 5.00"},
    {"EntityBomb", BillionLaughs(), u"<!ENTITY"},
    {"UndefinedEntity", ExchangeXml("<調査名>&lol;</調査名>"), u"3 行"},
    // Refused for its declaration alone, even when nothing refers to it.
    {"EntityDeclaredOnly",
     "<?xml version=\"1.0\"?><!DOCTYPE ボーリング情報 [<!ENTITY x SYSTEM \"file:///etc/passwd\">]>"
     "<ボーリング情報 DTD_version=\"3.00\"><調査名>A</調査名></ボーリング情報>",
     u"<!ENTITY"},
    {"BadCharacterReference", ExchangeXml("<調査名>&#1;</調査名>"), u"参照"},
    {"ControlCharacter", ExchangeXml("<調査名>\x01</調査名>"), u"制御文字"},
    {"InvalidBytes", ExchangeXml("<調査名>\x81\x7F\xFF</調査名>"), u"文字コード"},
};

class BadXmlTest : public ::testing::TestWithParam<BadCase> {};

TEST_P(BadXmlTest, RefusedWithMessage) {
  try {
    ImportExchangeXml(GetParam().xml);
    FAIL() << "imported";
  } catch (const RunError& e) {
    EXPECT_NE(e.message().find(GetParam().message_part), std::u16string::npos) << e.what();
  }
}

INSTANTIATE_TEST_SUITE_P(Exchange, BadXmlTest, ::testing::ValuesIn(kBadCases),
                         [](const auto& param_info) { return std::string(param_info.param.name); });

TEST(ExchangeImportTest, HugeElementRefused) {
  std::string xml = ExchangeXml("<調査名>" + std::string(50u << 20, 'x') + "</調査名>");
  try {
    ImportExchangeXml(xml);
    FAIL() << "imported";
  } catch (const RunError& e) {
    EXPECT_NE(e.message().find(u"調査名"), std::u16string::npos) << e.what();
  }
  EXPECT_THROW(ImportExchangeXml(std::string(kMaxExchangeXmlBytes + 1, ' ')), RunError);
}

TEST(ExchangeImportTest, DeepNestingAndManyGroups) {
  std::string open, close;
  for (int k = 0; k < 200000; ++k) {
    open += "<孔内水位>";
    close += "</孔内水位>";
  }
  // Every nested group holds the one level: each counts, none crashes.
  std::string records =
      ImportedRecords(ExchangeXml(open + "<孔内水位_孔内水位>1</孔内水位_孔内水位>" + close));
  EXPECT_EQ(records, "3020 1.00 -1 -1");
  std::string many;
  for (int k = 0; k < 300000; ++k) many += "<a/>";
  EXPECT_THROW(ImportExchangeXml(ExchangeXml(many + many + many + many)), RunError);
}

}  // namespace
}  // namespace bc::testing

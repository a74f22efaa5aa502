// Small exchange XML documents for the import tests.
#ifndef BORINGCONV_TESTS_EXCHANGE_EXCHANGE_TEST_UTIL_H_
#define BORINGCONV_TESTS_EXCHANGE_EXCHANGE_TEST_UTIL_H_

#include <string>

#include "exchange/exchange_import.h"
#include "text/codepage.h"
#include "text/utf8.h"

namespace bc::testing {

// A UTF-8 document of the given version around `body`.
inline std::string ExchangeXml(const std::string& body, const std::string& version = "3.00") {
  return "<?xml version=\"1.0\" encoding=\"Shift_JIS\"?>\n<ボーリング情報 DTD_version=\"" +
         version + "\">\n" + body + "\n</ボーリング情報>\n";
}

// The record lines between the version line and 9000, as UTF-8 joined by
// "|" (each line checked to end in CR LF).
inline std::string ImportedRecords(const std::string& xml) {
  std::u16string text = DecodeAnsi(ImportExchangeXml(xml));
  std::string joined;
  std::size_t start = text.find(u"\r\n") + 2;
  for (std::size_t end = text.find(u"\r\n", start); end != std::u16string::npos;
       start = end + 2, end = text.find(u"\r\n", start)) {
    std::u16string line = text.substr(start, end - start);
    if (line == u"9000") break;
    if (!joined.empty()) joined += "|";
    joined += ToUtf8(line);
  }
  return joined;
}

}  // namespace bc::testing

#endif  // BORINGCONV_TESTS_EXCHANGE_EXCHANGE_TEST_UTIL_H_

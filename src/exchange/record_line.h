// One line of the source record file: the record code, then each field after
// one space.
#ifndef BORINGCONV_EXCHANGE_RECORD_LINE_H_
#define BORINGCONV_EXCHANGE_RECORD_LINE_H_

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "exchange/decimal.h"

namespace bc {

using RecordLines = std::vector<std::u16string>;

std::u16string RecordLine(std::u16string_view code, const std::vector<std::u16string>& fields);

// A number in plain form, or `missing` when there is none.
std::u16string PlainOr(const std::optional<Decimal>& value, std::u16string_view missing = u"-1");

// An integer as a field ("2013", "-1").
std::u16string IntField(long value);
std::u16string IntOr(const std::optional<int>& value, std::u16string_view missing = u"-1");

}  // namespace bc

#endif  // BORINGCONV_EXCHANGE_RECORD_LINE_H_

#include "testrecords/interval_line.h"

#include <array>
#include <cmath>
#include <string>

#include "run/run_context.h"
#include "testrecords/line_number_column.h"
#include "text/fixed_width.h"
#include "text/numeric.h"
#include "text/str_form.h"

namespace bc {
namespace {

// Columns 9 to 68: kind numbers (9-28), kind names (29-48), and the two
// parts of field 5 (49-68). Index 0 is column 9.
using KindColumns = std::array<std::u16string, 60>;
constexpr std::size_t kFirstKindColumn = 9;

std::u16string& Column(KindColumns& columns, std::size_t column) {
  return columns[column - kFirstKindColumn];
}

// Field 5 divided at its first "、", else "，", else ",".
void FillParts(KindColumns& columns, std::size_t j, const std::u16string& text) {
  for (char16_t separator : {u'、', u'，', u','}) {
    std::size_t at = text.find(separator);
    if (at == std::u16string::npos) continue;
    Column(columns, 48 + j) = FitToWidth(text.substr(0, at), 9);
    Column(columns, 49 + j) = FitToWidth(text.substr(at + 1), 9);
    return;
  }
  Column(columns, 48 + j) = FitToWidth(text, 8);
  Column(columns, 49 + j) = u"         ";
}

KindColumns FillKind(const Record& record, const KindLegend& legend) {
  KindColumns columns;
  std::size_t j = legend.Find(record.Field(4));
  if (j == 0) return columns;
  const KindLegend::Kind& kind = legend.kinds[j - 1];
  std::u16string number = StrInteger(kind.number);
  number.erase(0, number.find_first_not_of(u' '));
  Column(columns, 8 + j) = number;
  Column(columns, 9 + j) = number;
  Column(columns, 28 + j) = kind.name;
  Column(columns, 29 + j) = kind.name;
  FillParts(columns, j, record.Field(5));
  return columns;
}

// Hundredths between the depths, truncated: 2.20 to 3.30 gives 109, since
// the difference is taken in binary floating point.
std::int16_t LengthOf(const Record& record) {
  double bottom = NumericValue(record.Field(3));
  if (bottom == 0) return 0;
  return Int16OrStop(std::trunc((bottom - NumericValue(record.Field(2))) * 100));
}

}  // namespace

void WriteIntervalLine(OutputFile& out, std::int16_t& counter, const Record& record,
                       const KindLegend& legend) {
  std::u16string line = LineNumberColumn(counter) + u",      ,  ,  ," +
                        RightFit(record.Field(2), 7) + u"," + RightFit(record.Field(3), 7) +
                        u",   ," + RightFit(StrInteger(LengthOf(record)), 3);
  for (const std::u16string& column : FillKind(record, legend)) line += u"," + column;
  out.WriteLine(line);
  Advance(counter);
}

}  // namespace bc

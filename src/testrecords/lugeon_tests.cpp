#include "testrecords/lugeon_tests.h"

#include <utility>

#include "run/run_context.h"
#include "run/run_error.h"
#include "text/fixed_width.h"
#include "text/numeric.h"
#include "text/str_form.h"

namespace bc {
namespace {

// Steps up from the first text while the value is above its threshold.
template <std::size_t N>
std::u16string_view Scale(double value,
                          const std::array<std::pair<double, std::u16string_view>, N>& steps,
                          std::u16string_view top) {
  for (const auto& [threshold, text] : steps) {
    if (!(value > threshold)) return text;
  }
  return top;
}

void WriteHeading(const RunContext& ctx, std::u16string_view base_name, int test,
                  const LugeonTable& tests) {
  OutputFile out = ctx.CreateOutput(std::u16string(base_name) + u".HED");
  out.WriteLine(StrInteger(test));
  out.WriteLine(u"    ");
  out.WriteLine(u"  ");
  out.WriteLine(u"  ");
  out.WriteLine(FormatFixed2(7, tests.Value(test, 1)));
  out.WriteLine(FormatFixed2(7, tests.Value(test, 2)));
  for (int i = 7; i <= 22; ++i) out.WriteLine(u"");
  out.Close();
}

void WriteSettings(const RunContext& ctx, std::u16string_view base_name, int test,
                   const LugeonTable& tests) {
  OutputFile out = ctx.CreateOutput(std::u16string(base_name) + u".TMP");
  out.WriteLine(StrSingle(tests.Value(test, 5)));
  out.WriteLine(StrSingle(tests.Value(test, 6)));
  out.WriteLine(StrSingle(tests.Value(test, 7)));
  out.WriteLine(u"10.00");
  out.WriteLine(u"");
  out.WriteLine(u"");
  out.WriteLine(FirstScale(tests.Value(test, 3)));
  out.WriteLine(u"7.000E-05");
  out.WriteLine(StrSingle(tests.Value(test, 8)));
  out.WriteLine(StrSingle(tests.Value(test, 7)));
  out.WriteLine(tests.Value(test, 8) == 9999 ? u"1" : u"2");
  out.WriteLine(u"3");
  out.WriteLine(u"5");
  out.WriteLine(SecondScale(tests.Value(test, 4)));
  out.WriteLine(u"5");
  out.WriteLine(u"3");
  out.Close();
}

}  // namespace

int StoreLugeonTest(const Record& record, LugeonTable& tests) {
  if (tests.count == LugeonTable::kMaxTests) {
    throw RunError(u"ルジオン試験（コード 4010）が 20 件を超えています。",
                   RunError::Where::kCurrentLine);
  }
  int test = ++tests.count;
  for (int i = 1; i <= 9; ++i) {
    tests.values[test][i] = FieldSingleOrStop(record, i + 1);
  }
  if (NumericValue(record.Field(10)) == 0) tests.values[test][9] = LugeonTable::kDefaultPoints;
  return test;
}

std::u16string LugeonBaseName(int test) { return u"LUGON_" + StrInteger(test).substr(1); }

std::u16string_view FirstScale(float value3) {
  // Divided in single precision, as the value is held.
  float v = value3 / 3.0f;
  static constexpr std::array<std::pair<double, std::u16string_view>, 5> kSteps = {
      {{1.5, u"1.5"}, {4, u"4"}, {7.5, u"7.5"}, {15, u"15"}, {30, u"30"}}};
  return Scale(static_cast<double>(v), kSteps, u"60");
}

std::u16string_view SecondScale(float value4) {
  // The single-precision value widened: 1.2 reads a little above 1.2, so
  // its quotient lies above 0.5.
  double y = static_cast<double>(value4) / 2.4;
  static constexpr std::array<std::pair<double, std::u16string_view>, 4> kSteps = {
      {{0.5, u"0.5"}, {2.5, u"2.5"}, {5, u"5"}, {12.5, u"12.5"}}};
  return Scale(y, kSteps, u"25");
}

void WriteLugeonSetupFiles(const RunContext& ctx, std::u16string_view base_name, int test,
                           const LugeonTable& tests) {
  WriteHeading(ctx, base_name, test, tests);
  WriteSettings(ctx, base_name, test, tests);
}

}  // namespace bc

#include "testrecords/lugeon_points.h"

#include <cmath>

#include "run/run_error.h"
#include "text/fixed_width.h"
#include "text/numeric.h"
#include "text/str_form.h"

namespace bc {
namespace {

// The announced count; a fractional one stops at its whole part.
std::int16_t PointCount(float announced) {
  double whole = std::floor(static_cast<double>(announced));
  return whole < 0 ? std::int16_t{0} : Int16OrStop(whole);
}

// Writes the group of the test; Flow::kEnd when the source ended in it.
Flow WriteGroup(RunContext& ctx, int test, const LugeonTable& tests) {
  OutputFile out = ctx.CreateOutput(LugeonBaseName(test) + u".GRA");
  float announced = tests.Value(test, 9);
  out.WriteLine(RightFit(StrSingle(announced), 2));
  std::int16_t count = PointCount(announced);
  Flow flow = Flow::kContinue;
  for (std::int16_t k = 1; k <= count; ++k) {
    out.WriteLine(LugeonPointLine(k, ctx.record()));
    if (ctx.AtEnd()) {
      flow = Flow::kEnd;
      break;
    }
    ctx.Next();
    if (k == INT16_MAX) break;
  }
  out.Close();
  return flow;
}

}  // namespace

std::u16string LugeonPointLine(std::int16_t point, const Record& record) {
  return RightFit(StrInteger(point), 3) + u",      ,      ," +
         FormatFixed2(6, NumericValue(record.Field(2))) + u",      ," +
         FormatFixed2(6, NumericValue(record.Field(3)));
}

Flow WriteLugeonPointFiles(RunContext& ctx, const LugeonTable& tests) {
  int test = 0;
  while (ctx.Code() == 4011 && test < tests.count) {
    if (WriteGroup(ctx, ++test, tests) == Flow::kEnd) return Flow::kEnd;
  }
  return ctx.WhileCode(4011, [] {});
}

}  // namespace bc

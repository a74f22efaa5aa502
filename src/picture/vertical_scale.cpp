#include "picture/vertical_scale.h"

#include <algorithm>
#include <charconv>

#include "text/utf8.h"

namespace bc {
namespace {

// A hand-edited X1.TXT may hold anything; a scale of kilometres is plenty.
constexpr double kLongestScale = 1e6;

double SaneSpan(double span) {
  return std::isnan(span) ? 1.0 : std::clamp(span, 1.0, kLongestScale);
}

}  // namespace

double TickStep(double span) {
  span = SaneSpan(span);
  double step = 1;
  for (double power = 1; span / step > 10; power *= 10) {
    for (double factor : {1.0, 2.0, 5.0}) {
      step = factor * power;
      if (span / step <= 10) break;
    }
  }
  return step;
}

std::vector<double> DepthTicks(double deepest) {
  deepest = SaneSpan(deepest);
  double step = TickStep(deepest);
  double count = std::ceil(deepest / step - 1e-9);
  std::vector<double> ticks;
  for (double i = 0; i <= count; ++i) ticks.push_back(i * step);
  return ticks;
}

std::vector<double> RangeTicks(double low, double high) {
  if (std::isnan(low) || std::isnan(high)) low = high = 0;
  low = std::clamp(low, -kLongestScale, kLongestScale);
  high = std::clamp(high, low, kLongestScale);
  double step = TickStep(high - low);
  double first = std::floor(low / step + 1e-9);
  double last = std::max(first + 1, std::ceil(high / step - 1e-9));
  std::vector<double> ticks;
  for (double i = first; i <= last; ++i) ticks.push_back(i * step);
  return ticks;
}

std::u16string TickLabel(double value) {
  if (value == 0) value = 0;  // no "-0"
  char text[32];
  auto [end, ec] = std::to_chars(text, text + sizeof text, value);
  return FromUtf8(std::string_view(text, ec == std::errc() ? end - text : 0));
}

std::u16string MetresLabel(double value) {
  char text[32];
  auto [end, ec] = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, 2);
  return FromUtf8(std::string_view(text, ec == std::errc() ? end - text : 0));
}

}  // namespace bc

#include "picture/band_colour.h"

#include <cmath>
#include <cstdint>

namespace bc {
namespace {

// FNV-1a over the code units: std::hash differs between libraries.
std::uint32_t CodeHash(std::u16string_view code) {
  std::uint32_t hash = 2166136261u;
  for (char16_t c : code) {
    hash = (hash ^ static_cast<std::uint32_t>(c)) * 16777619u;
  }
  return hash;
}

std::uint8_t Channel(double value) { return static_cast<std::uint8_t>(std::lround(value * 255)); }

Colour FromHsv(double hue, double saturation, double value) {
  double sector = hue / 60;
  double f = sector - std::floor(sector);
  double p = value * (1 - saturation);
  double q = value * (1 - saturation * f);
  double t = value * (1 - saturation * (1 - f));
  const double channels[6][3] = {{value, t, p}, {q, value, p}, {p, value, t},
                                 {p, q, value}, {t, p, value}, {value, p, q}};
  const double* rgb = channels[static_cast<int>(sector) % 6];
  return {Channel(rgb[0]), Channel(rgb[1]), Channel(rgb[2])};
}

}  // namespace

Colour BandColour(std::u16string_view code) {
  return FromHsv(static_cast<double>(CodeHash(code) % 360), 70.0 / 255, 235.0 / 255);
}

}  // namespace bc

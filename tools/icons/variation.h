// Deterministic choices per picture: every colour and detail follows from
// the icon key alone, so the same sources always give the same bytes.
#pragma once

#include <QColor>
#include <algorithm>
#include <cstdint>

namespace icons {

class Variation {
 public:
  explicit Variation(uint64_t seed) : state_(seed * 0x9E3779B97F4A7C15ull + 0x632BE59BD9B4E019ull) {}

  uint64_t Next() {
    uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  int Below(int n) { return n <= 0 ? 0 : static_cast<int>(Next() % static_cast<uint64_t>(n)); }
  double Unit() { return static_cast<double>(Next() >> 11) / 9007199254740992.0; }
  double Range(double lo, double hi) { return lo + (hi - lo) * Unit(); }
  bool Chance(double p) { return Unit() < p; }

  template <typename T, std::size_t N>
  const T& Pick(const T (&items)[N]) { return items[Below(static_cast<int>(N))]; }

 private:
  uint64_t state_;
};

// Shifts a pigment a little in lightness and hue so that two pictures that
// draw the same pigment still differ.
inline QColor Vary(Variation& v, const QColor& c, int hueSpread = 8, int lightSpread = 14) {
  int h, s, l;
  c.getHsl(&h, &s, &l);
  if (h >= 0) h = (h + v.Below(2 * hueSpread + 1) - hueSpread + 360) % 360;
  l = std::clamp(l + v.Below(2 * lightSpread + 1) - lightSpread, 0, 255);
  return QColor::fromHsl(h < 0 ? 0 : h, s, l);
}

}  // namespace icons

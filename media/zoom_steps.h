// The viewer's zoom steps: 0.33 at a time between 0.33 and 4. The sum is formed in double
// precision and stored into the single-precision zoom, so the steps carry the rounding of
// single precision (from 1 the steps out are 0.67, 0.34, then 0.33).
#pragma once

namespace fotivo {

class ZoomSteps {
 public:
  static constexpr double step = 0.33, smallest = 0.33, largest = 4.0;

  static float in(float zoom);
  static float out(float zoom);
};

}  // namespace fotivo

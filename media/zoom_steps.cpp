#include "media/zoom_steps.h"

namespace fotivo {

float ZoomSteps::in(float zoom) {
  double z = zoom + step;
  if (z > largest) z = largest;
  return static_cast<float>(z);
}

float ZoomSteps::out(float zoom) {
  const double z = zoom;
  if (z > 2 * step) return static_cast<float>(z - step);
  return static_cast<float>(smallest);
}

}  // namespace fotivo

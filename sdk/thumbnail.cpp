#include "sdk/thumbnail.h"

#include <algorithm>
#include <utility>

namespace tqsdk {

Box thumbnail_box(int32_t cameratype) {
  return cameratype == 100 || cameratype == 101 ? Box{96, 64} : Box{80, 60};
}

ThumbnailPlan plan_thumbnail(uint32_t width, uint32_t height, uint16_t orientation, Box box,
                             bool reportorientation) {
  const bool turned = orientation == 1 || orientation == 3;
  const uint64_t sensorw = turned ? height : width, sensorh = turned ? width : height;
  // Scale by the tighter side; neither side may leave the box.
  uint64_t tw = box.width, th = box.height;
  if (sensorw * box.height > sensorh * box.width)
    th = std::max<uint64_t>(1, (sensorh * box.width + sensorw / 2) / sensorw);
  else
    tw = std::max<uint64_t>(1, (sensorw * box.height + sensorh / 2) / sensorh);
  tw = std::min<uint64_t>(tw, box.width);
  th = std::min<uint64_t>(th, box.height);

  ThumbnailPlan plan;
  plan.columns = uint32_t(turned ? th : tw);
  plan.rows = uint32_t(turned ? tw : th);
  if (reportorientation) {
    plan.widthfield = uint16_t(tw);
    plan.heightfield = uint16_t(th);
  } else {
    plan.widthfield = uint16_t(plan.columns);
    plan.heightfield = uint16_t(plan.rows);
  }
  return plan;
}

void draw_thumbnail(const uint8_t* rgb, uint32_t width, uint32_t height, const ThumbnailPlan& plan,
                    uint8_t* out) {
  constexpr uint32_t maxsamples = 4;
  for (uint32_t r = 0; r < plan.rows; ++r) {
    const uint32_t y0 = uint32_t(uint64_t(r) * height / plan.rows);
    const uint32_t y1 = std::max(y0 + 1, uint32_t(uint64_t(r + 1) * height / plan.rows));
    const uint32_t ny = std::min(maxsamples, y1 - y0);
    // Bottom-up: the picture's top row is the buffer's last.
    uint8_t* dst = out + size_t(plan.rows - 1 - r) * plan.columns * 3;
    for (uint32_t c = 0; c < plan.columns; ++c, dst += 3) {
      const uint32_t x0 = uint32_t(uint64_t(c) * width / plan.columns);
      const uint32_t x1 = std::max(x0 + 1, uint32_t(uint64_t(c + 1) * width / plan.columns));
      const uint32_t nx = std::min(maxsamples, x1 - x0);
      uint32_t sum[3] = {0, 0, 0};
      for (uint32_t j = 0; j < ny; ++j) {
        const uint32_t y = y0 + (y1 - y0) * (2 * j + 1) / (2 * ny);
        for (uint32_t i = 0; i < nx; ++i) {
          const uint32_t x = x0 + (x1 - x0) * (2 * i + 1) / (2 * nx);
          const uint8_t* p = rgb + (size_t(y) * width + x) * 3;
          sum[0] += p[0];
          sum[1] += p[1];
          sum[2] += p[2];
        }
      }
      const uint32_t n = nx * ny;
      dst[0] = uint8_t(sum[2] / n);
      dst[1] = uint8_t(sum[1] / n);
      dst[2] = uint8_t(sum[0] / n);
    }
  }
}

}  // namespace tqsdk

#include "sdk/scene.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace tqsdk {
namespace {

struct Rgb {
  int r, g, b;
};

Rgb mix(Rgb a, Rgb b, uint32_t t, uint32_t n) {
  n = std::max<uint32_t>(n, 1);
  return {a.r + (b.r - a.r) * int(t) / int(n), a.g + (b.g - a.g) * int(t) / int(n),
          a.b + (b.b - a.b) * int(t) / int(n)};
}

uint8_t clamp8(int v) { return uint8_t(std::clamp(v, 0, 255)); }

void fill(uint8_t* row, uint32_t from, uint32_t to, Rgb c) {
  for (uint32_t x = from; x < to; ++x) {
    row[3 * x] = uint8_t(c.r);
    row[3 * x + 1] = uint8_t(c.g);
    row[3 * x + 2] = uint8_t(c.b);
  }
}

// A small deterministic generator, so the same seed always gives the same picture.
struct Random {
  uint32_t state;
  uint32_t next() {
    state ^= state << 13;
    state ^= state >> 17;
    state ^= state << 5;
    return state;
  }
  uint32_t below(uint32_t n) { return n == 0 ? 0 : next() % n; }
};

}  // namespace

void render_scene(uint32_t seed, uint32_t width, uint32_t height, uint8_t* rgb) {
  Random random{seed * 2654435761u + 1};
  const Rgb skytop{40 + int(random.below(40)), 90 + int(random.below(60)), 200 + int(random.below(55))};
  const Rgb skylow{190, 215, 240};
  const Rgb groundnear{60 + int(random.below(60)), 110 + int(random.below(60)), 30};
  const Rgb groundfar{120, 160, 70};
  const uint32_t horizon = height * (50 + random.below(20)) / 100;
  const uint32_t side = std::min(width, height);
  const uint32_t sunr = std::max<uint32_t>(side / 12, 1);
  const uint32_t sunx = width / 8 + random.below(width * 3 / 4 + 1);
  const uint32_t suny = horizon / 4 + random.below(horizon / 3 + 1);

  struct House {
    uint32_t left, right, top;
    Rgb wall;
  } houses[4];
  const uint32_t househeight = std::max<uint32_t>(height / 6, 1);
  for (House& h : houses) {
    h.left = random.below(width);
    h.right = std::min(width, h.left + std::max<uint32_t>(width / 10, 1) + random.below(width / 8 + 1));
    h.top = horizon > househeight ? horizon - househeight + random.below(househeight / 2 + 1) : 0;
    h.wall = {120 + int(random.below(136)), 60 + int(random.below(120)), 40 + int(random.below(100))};
  }

  for (uint32_t y = 0; y < height; ++y) {
    uint8_t* row = rgb + size_t(y) * width * 3;
    if (y < horizon) {
      fill(row, 0, width, mix(skytop, skylow, y, horizon));
      const int64_t dy = int64_t(y) - suny;
      if (uint64_t(dy * dy) <= uint64_t(sunr) * sunr) {
        const auto half = uint32_t(std::sqrt(double(uint64_t(sunr) * sunr - uint64_t(dy * dy))));
        const uint32_t from = sunx > half ? sunx - half : 0;
        fill(row, from, std::min(width, sunx + half + 1), {255, 236, 150});
      }
      for (const House& h : houses)
        if (y >= h.top) fill(row, h.left, h.right, h.wall);
    } else {
      // Textured ground keeps the picture from compressing unrealistically well.
      const Rgb base = mix(groundfar, groundnear, y - horizon, height - horizon);
      for (uint32_t x = 0; x < width; ++x) {
        const int grain = int(random.next() & 31) - 16;
        row[3 * x] = clamp8(base.r + grain);
        row[3 * x + 1] = clamp8(base.g + grain);
        row[3 * x + 2] = clamp8(base.b + grain / 2);
      }
    }
  }
}

}  // namespace tqsdk

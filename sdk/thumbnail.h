// Thumbnails as the host draws them: 24-bit blue-green-red rows, bottom-up, unpadded,
// never more than the host's buffer for the camera type.
#pragma once

#include <cstdint>

namespace tqsdk {

struct Box {
  uint32_t width, height;
};

// The host's thumbnail buffer: 96 x 64 for the types 100 and 101, else 80 x 60.
Box thumbnail_box(int32_t cameratype);

struct ThumbnailPlan {
  uint16_t widthfield = 0, heightfield = 0;  // as reported in the picture information
  uint32_t columns = 0, rows = 0;            // of the upright thumbnail in the buffer
  uint32_t bytes() const { return columns * rows * 3; }
};

// Fits the picture, as the sensor saw it, into the box. With `reportorientation` the
// fields keep the sensor's order and the orientation code tells the host to swap them;
// without it (a type without its own record) the fields are the upright size itself.
ThumbnailPlan plan_thumbnail(uint32_t width, uint32_t height, uint16_t orientation, Box box,
                             bool reportorientation);

// Writes plan.bytes() bytes: the upright picture scaled down by averaging samples.
void draw_thumbnail(const uint8_t* rgb, uint32_t width, uint32_t height, const ThumbnailPlan& plan,
                    uint8_t* out);

}  // namespace tqsdk

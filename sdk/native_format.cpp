#include "sdk/native_format.h"

#include <cstring>

#include "sdk/bytes.h"

namespace tqsdk {
namespace {

constexpr uint8_t magic[4] = {'T', 'Q', 'N', '1'};

}  // namespace

uint64_t native_size(uint32_t width, uint32_t height) {
  return native_header_size + uint64_t(width) * height * 3;
}

uint64_t bitmap_size(uint32_t width, uint32_t height) {
  return ((uint64_t(width) * 3 + 3) & ~uint64_t(3)) * height;
}

uint64_t working_size(uint32_t width, uint32_t height) {
  return native_header_size + bitmap_size(width, height);
}

void write_native_header(const NativeHeader& h, uint8_t* out) {
  std::memcpy(out, magic, 4);
  put16(out + 4, native_header_size);
  put16(out + 6, h.orientation);
  put32(out + 8, uint32_t(h.cameratype));
  put32(out + 12, h.width);
  put32(out + 16, h.height);
  const uint16_t stamp[6] = {h.taken.seconds, h.taken.minutes, h.taken.hours,
                             h.taken.day,     h.taken.month,   h.taken.year};
  for (int i = 0; i < 6; ++i) put16(out + 20 + 2 * i, stamp[i]);
}

std::optional<NativeHeader> read_native_header(const uint8_t* data, size_t size) {
  if (data == nullptr || size < native_header_size) return std::nullopt;
  if (std::memcmp(data, magic, 4) != 0 || get16(data + 4) != native_header_size) return std::nullopt;
  NativeHeader h;
  h.orientation = get16(data + 6);
  h.cameratype = int32_t(get32(data + 8));
  h.width = get32(data + 12);
  h.height = get32(data + 16);
  h.taken = {get16(data + 20), get16(data + 22), get16(data + 24),
             get16(data + 26), get16(data + 28), get16(data + 30)};
  if (h.orientation > 3 || h.width == 0 || h.height == 0 || h.width > native_max_side ||
      h.height > native_max_side || size < native_size(h.width, h.height))
    return std::nullopt;
  return h;
}

void native_to_bitmap(const uint8_t* rgb, uint32_t width, uint32_t height, uint8_t* out) {
  const size_t stride = size_t((uint64_t(width) * 3 + 3) & ~uint64_t(3));
  for (uint32_t y = 0; y < height; ++y) {
    const uint8_t* src = rgb + size_t(y) * width * 3;
    uint8_t* dst = out + size_t(height - 1 - y) * stride;
    for (uint32_t x = 0; x < width; ++x, src += 3, dst += 3) {
      dst[0] = src[2];
      dst[1] = src[1];
      dst[2] = src[0];
    }
    std::memset(dst, 0, stride - size_t(width) * 3);
  }
}

}  // namespace tqsdk

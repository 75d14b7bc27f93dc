// The camera's native picture form: a 32-byte header followed by the raw picture,
// 24-bit RGB rows from the top, as the sensor delivered them after turning upright.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

namespace tqsdk {

struct Stamp {
  uint16_t seconds = 0, minutes = 0, hours = 0, day = 1, month = 1, year = 2000;
};

// Orientation codes: 0 held level, 1 turned a quarter clockwise, 2 upside down,
// 3 turned a quarter anticlockwise. Codes 1 and 3 are upright (portrait) pictures.
struct NativeHeader {
  int32_t cameratype = 0;
  uint32_t width = 0, height = 0;  // of the stored, upright picture
  uint16_t orientation = 0;
  Stamp taken;
};

inline constexpr size_t native_header_size = 32;
inline constexpr uint32_t native_max_side = 8192;

// Sizes in bytes; 64-bit so that no side within the limit overflows.
uint64_t native_size(uint32_t width, uint32_t height);
// A processed picture: 24-bit blue-green-red rows, bottom-up, each padded to 4 bytes.
uint64_t bitmap_size(uint32_t width, uint32_t height);
// The buffer a transfer needs to fetch and work on a picture: either form fits in it.
uint64_t working_size(uint32_t width, uint32_t height);

void write_native_header(const NativeHeader& header, uint8_t* out);
// The header of `size` bytes of native data, when they are whole and consistent.
std::optional<NativeHeader> read_native_header(const uint8_t* data, size_t size);

// Converts the raw picture into the processed form.
void native_to_bitmap(const uint8_t* rgb, uint32_t width, uint32_t height, uint8_t* out);

}  // namespace tqsdk

// Decodes a JPEG in memory, for checking what the camera delivered.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace tqsdk::test {

struct Decoded {
  uint32_t width, height;
  std::vector<uint8_t> rgb;
};

std::optional<Decoded> decode_jpeg(const uint8_t* data, size_t size);

}  // namespace tqsdk::test

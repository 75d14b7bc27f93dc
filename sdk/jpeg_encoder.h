// JPEG encoding into a caller's buffer of fixed size.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

namespace tqsdk {

// The camera's quality codes 0 (low), 1 (medium), 2 (high) as encoder qualities.
std::optional<int> jpeg_quality(int32_t code);

enum class JpegOutcome { done, overflow, failed };

struct JpegResult {
  JpegOutcome outcome;
  size_t size;  // bytes of the whole JPEG, also when it did not fit
};

// Encodes width x height 24-bit RGB rows from the top. Writes at most `capacity` bytes.
JpegResult encode_jpeg(const uint8_t* rgb, uint32_t width, uint32_t height, int quality,
                       uint8_t* out, size_t capacity);

}  // namespace tqsdk

// A camera session that passed its checks, and what all operations share.
#pragma once

#include <cstdint>
#include <filesystem>

#include "sdk/native_format.h"

namespace tqsdk {

struct Camera {
  std::filesystem::path card;
  int32_t type = 0;  // decides the type-specific records, as the caller's driver record says
  int32_t port = 0, bitrate = 0;  // in use
};

inline bool known_type(int32_t type) { return type == 1 || type == 100 || type == 101 || type == 104; }
// The types that exchange records of their own (and so learn a picture's orientation).
inline bool has_specific(int32_t type) { return type == 100 || type == 101 || type == 104; }

// Picture sizes by the first configuration value.
struct Resolution {
  uint32_t width, height;
};
inline constexpr Resolution resolutions[] = {{640, 480}, {1024, 768}, {1600, 1200}};

// The live view of the type 101.
inline constexpr Resolution preview_size{320, 240};

}  // namespace tqsdk

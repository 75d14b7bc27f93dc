// The records of the last status and the last picture information, each with the
// type-specific record that goes with it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

#include "tqbridge.h"

namespace fotivo {

// The type-specific record travels beside the general one; the camera type of the session's
// driver record chooses it: 100 A, 101 B, 104 C. Any other type gets the general record
// again, which the interface layer ignores.
struct CameraStatus {
  TQILStatusRec general{};
  TQILStatusA a{};
  TQILStatusB b{};
  TQILStatusC c{};
  void* specific(std::int32_t cameratype);
};

struct CameraPictInfo {
  TQILPictInfoRec general{};
  TQILPictInfoA a{};
  TQILPictInfoB b{};
  TQILPictInfoC c{};
  void* specific(std::int32_t cameratype);
  // The thumbnail's orientation code: 0 and 2 upright as stored, 1 and 3 with width and
  // height swapped. Types without an own record report 0.
  std::int32_t orientation(std::int32_t cameratype) const;
};

// Bytes of the thumbnail buffer for a camera type, one more than the largest thumbnail the
// camera delivers for it: 96 x 64 (100, 101 and types the camera does not handle) or
// 80 x 60 (1, 104), 3 bytes a point.
std::size_t thumbnailbuffersize(std::int32_t cameratype);

struct ThumbnailSize {
  int width, height;
};
// Width and height of the stored thumbnail by the orientation code; nothing for a code
// outside 0 to 3.
std::optional<ThumbnailSize> thumbnaillayout(const TQILPictInfoRec& info, std::int32_t orientation);

}  // namespace fotivo

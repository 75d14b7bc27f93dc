#include "camera/camera_records.h"

#include <cstring>

namespace fotivo {

void* CameraStatus::specific(std::int32_t cameratype) {
  switch (cameratype) {
    case 100: return &a;
    case 101: return &b;
    case 104: return &c;
    default: return &general;
  }
}

void* CameraPictInfo::specific(std::int32_t cameratype) {
  switch (cameratype) {
    case 100: return &a;
    case 101: return &b;
    case 104: return &c;
    default: return &general;
  }
}

std::int32_t CameraPictInfo::orientation(std::int32_t cameratype) const {
  std::int32_t code = 0;
  switch (cameratype) {
    case 100: return a.orientation;
    case 101: std::memcpy(&code, b.bytes + TQIL_ORIENTATION_BC, sizeof code); return code;
    case 104: std::memcpy(&code, c.bytes + TQIL_ORIENTATION_BC, sizeof code); return code;
    default: return 0;
  }
}

std::size_t thumbnailbuffersize(std::int32_t cameratype) {
  return cameratype == 1 || cameratype == 104 ? 80 * 60 * 3 + 1 : 96 * 64 * 3 + 1;
}

std::optional<ThumbnailSize> thumbnaillayout(const TQILPictInfoRec& info, std::int32_t orientation) {
  switch (orientation) {
    case 0:
    case 2: return ThumbnailSize{info.thumbwidth, info.thumbheight};
    case 1:
    case 3: return ThumbnailSize{info.thumbheight, info.thumbwidth};
    default: return std::nullopt;
  }
}

}  // namespace fotivo

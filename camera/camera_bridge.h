// The exports of the camera interface library that the camera window uses, each bound at its
// first call. A call throws BridgeUnavailable when its export cannot be loaded.
#pragma once

#include <cstdint>
#include <string>

#include "camera/bridge_library.h"
#include "tqbridge.h"

namespace fotivo {

// An export's decorated name, checked when compiled against its parameter count.
template <class F>
struct BridgeExport;
template <class... A>
struct BridgeExport<std::int16_t(A...)> {
  const char* decorated;
  consteval BridgeExport(const char* name) : decorated(name) {
    if (splitdecorated(name).bytes != int(4 * sizeof...(A))) throw "decorated byte count differs";
  }
};

class CameraBridge {
 public:
  explicit CameraBridge(std::string file) : library_(std::move(file)) {}

  const std::string& file() const { return library_.file(); }

  std::int16_t opendriver(std::uintptr_t value, TQILDriverRec* driver);
  std::int16_t closedriver(TQILDriverRec* driver);
  std::int16_t opencamera(TQILCameraRec* camera);
  std::int16_t closecamera(TQILCameraRec* camera);
  std::int16_t getstatus(TQILCameraRec* camera, TQILStatusRec* status, void* specific);
  std::int16_t getcamerapictinfo(TQILCameraRec* camera, std::int32_t selector1, std::int16_t selector2,
                                 std::int16_t number, std::int16_t flag, void* thumbnail,
                                 TQILPictInfoRec* info, void* specific);
  std::int16_t getcamerapictureasjpeg(TQILCameraRec* camera, std::int32_t selector1, std::int16_t selector2,
                                      TQILPictInfoRec* info, std::int32_t quality, std::int32_t* jpegsize,
                                      std::int32_t size1, void* address1, std::int32_t size2, void* address2);
  std::int16_t getnativepicture(TQILCameraRec* camera, std::int32_t selector1, std::int16_t selector2,
                                TQILPictInfoRec* info, std::int32_t size, void* address);

 private:
  template <class... A, class... Args>
  std::int16_t call(const BridgeExport<std::int16_t(A...)>& which, Args... args) {
    using Function = std::int16_t(TQIL_CALL*)(A...);
    auto function = reinterpret_cast<Function>(library_.bind(which.decorated, int(sizeof...(A))));
    return function(args...);
  }

  BridgeLibrary library_;
};

}  // namespace fotivo

#include "camera/camera_bridge.h"

#include <type_traits>

namespace fotivo {

namespace {

// 16-bit parameters travel in a 32-bit slot of which only the low half is read.
using Cam = TQILCameraRec*;
using Info = TQILPictInfoRec*;
using std::int32_t, std::uintptr_t;

constexpr BridgeExport<std::int16_t(uintptr_t, TQILDriverRec*)> OpenDriver{"_TQILOpenDriver@8"};
constexpr BridgeExport<std::int16_t(TQILDriverRec*)> CloseDriver{"_TQILCloseDriver@4"};
constexpr BridgeExport<std::int16_t(Cam)> OpenCamera{"_TQILOpenCamera@4"};
constexpr BridgeExport<std::int16_t(Cam)> CloseCamera{"_TQILCloseCamera@4"};
constexpr BridgeExport<std::int16_t(Cam, TQILStatusRec*, void*)> GetStatus{"_TQILGetStatus@12"};
constexpr BridgeExport<std::int16_t(Cam, int32_t, int32_t, int32_t, int32_t, void*, Info, void*)>
    GetCameraPictInfo{"_TQILGetCameraPictInfo@32"};
constexpr BridgeExport<std::int16_t(Cam, int32_t, int32_t, Info, int32_t, int32_t*, int32_t, void*, int32_t,
                                    void*)>
    GetCameraPictureAsJPEG{"_TQILGetCameraPictureAsJPEG@40"};
constexpr BridgeExport<std::int16_t(Cam, int32_t, int32_t, Info, int32_t, void*)> GetNativePicture{
    "_TQILGetNativePicture@24"};

// The library's own declarations must agree with the types bound here.
static_assert(std::is_same_v<decltype(TQILOpenDriver), std::int16_t(uintptr_t, TQILDriverRec*)>);
static_assert(std::is_same_v<decltype(TQILGetStatus), std::int16_t(Cam, TQILStatusRec*, void*)>);
static_assert(std::is_same_v<decltype(TQILGetCameraPictInfo),
                             std::int16_t(Cam, int32_t, int32_t, int32_t, int32_t, void*, Info, void*)>);
static_assert(std::is_same_v<decltype(TQILGetCameraPictureAsJPEG),
                             std::int16_t(Cam, int32_t, int32_t, Info, int32_t, int32_t*, int32_t, void*,
                                          int32_t, void*)>);
static_assert(std::is_same_v<decltype(TQILGetNativePicture),
                             std::int16_t(Cam, int32_t, int32_t, Info, int32_t, void*)>);

}  // namespace

std::int16_t CameraBridge::opendriver(uintptr_t value, TQILDriverRec* driver) {
  return call(OpenDriver, value, driver);
}

std::int16_t CameraBridge::closedriver(TQILDriverRec* driver) { return call(CloseDriver, driver); }

std::int16_t CameraBridge::opencamera(Cam camera) { return call(OpenCamera, camera); }

std::int16_t CameraBridge::closecamera(Cam camera) { return call(CloseCamera, camera); }

std::int16_t CameraBridge::getstatus(Cam camera, TQILStatusRec* status, void* specific) {
  return call(GetStatus, camera, status, specific);
}

std::int16_t CameraBridge::getcamerapictinfo(Cam camera, int32_t selector1, std::int16_t selector2,
                                             std::int16_t number, std::int16_t flag, void* thumbnail, Info info,
                                             void* specific) {
  return call(GetCameraPictInfo, camera, selector1, int32_t(selector2), int32_t(number), int32_t(flag), thumbnail,
              info, specific);
}

std::int16_t CameraBridge::getcamerapictureasjpeg(Cam camera, int32_t selector1, std::int16_t selector2, Info info,
                                                  int32_t quality, int32_t* jpegsize, int32_t size1,
                                                  void* address1, int32_t size2, void* address2) {
  return call(GetCameraPictureAsJPEG, camera, selector1, int32_t(selector2), info, quality, jpegsize, size1,
              address1, size2, address2);
}

std::int16_t CameraBridge::getnativepicture(Cam camera, int32_t selector1, std::int16_t selector2, Info info,
                                            int32_t size, void* address) {
  return call(GetNativePicture, camera, selector1, int32_t(selector2), info, size, address);
}

}  // namespace fotivo

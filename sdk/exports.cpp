// The 35 functions of the camera SDK.
#include <new>

#include "tqsdk32.h"

#include "sdk/albums.h"
#include "sdk/codes.h"
#include "sdk/pictures.h"
#include "sdk/preview.h"
#include "sdk/record_access.h"
#include "sdk/session.h"
#include "sdk/settings.h"

namespace {
using namespace tqsdk;

// No exception leaves the library: running out of memory is MallocError, anything else
// the system's failure.
template <class Work>
int16_t guarded(Work&& work) noexcept {
  try {
    return work();
  } catch (const std::bad_alloc&) {
    return MallocError;
  } catch (...) {
    return SystemError;
  }
}

// Runs an operation on an open camera.
template <class Work>
int16_t on_camera(const TQCameraRec* cam, Work&& work) {
  if (cam == nullptr || cam->driver == nullptr) return BadArgError;
  return guarded([&]() -> int16_t {
    Camera camera;
    if (const int16_t code = resume(session_records(*cam), camera); code != NoErr) return code;
    return work(camera);
  });
}

// Runs an operation on pictures in the caller's memory, which needs only the driver.
template <class Work>
int16_t on_driver(const TQCameraRec* cam, Work&& work) {
  if (cam == nullptr || cam->driver == nullptr) return BadArgError;
  return guarded([&]() -> int16_t {
    Camera camera;
    if (const int16_t code = driver_session(session_records(*cam), camera); code != NoErr) return code;
    return work(camera);
  });
}

// A 16-bit argument: only the low half of its slot counts.
int16_t low16(int32_t slot) { return int16_t(uint16_t(uint32_t(slot))); }

uint8_t* bytes(void* record) { return static_cast<uint8_t*>(record); }

// Describes a picture into the caller's records, which change only on success.
template <class Describe>
int16_t describe_into(TQPictInfoRec* info, Describe&& describe) {
  PictInfo described = pictinfo_in(*info);
  const int16_t code = describe(described);
  if (code == NoErr) pictinfo_out(described, *info);
  return code;
}

}  // namespace

extern "C" {

int16_t TQ_CALL TQOpenDriver(uintptr_t, TQDriverRec* driver) {
  if (driver == nullptr) return BadArgError;
  int32_t values[3];
  driver_values_in(*driver, values);
  const int16_t code = open_driver(driver->cameratype, values);
  if (code == NoErr) driver_values_out(values, *driver);
  return code;
}

int16_t TQ_CALL TQCloseDriver(TQDriverRec* driver) {
  if (driver == nullptr) return BadArgError;
  int32_t values[3];
  driver_values_in(*driver, values);
  const int16_t code = close_driver(values);
  if (code == NoErr) driver_values_out(values, *driver);
  return code;
}

int16_t TQ_CALL TQOpenCamera(TQCameraRec* cam) {
  if (cam == nullptr || cam->driver == nullptr) return BadArgError;
  return guarded([&] {
    Camera camera;
    return open_camera(session_records(*cam), camera);
  });
}

int16_t TQ_CALL TQCloseCamera(TQCameraRec* cam) {
  if (cam == nullptr || cam->driver == nullptr) return BadArgError;
  return close_camera(session_records(*cam));
}

int16_t TQ_CALL TQResetCamera(TQCameraRec* cam) {
  return on_camera(cam, [&](const Camera& camera) { return reset_settings(camera); });
}

int16_t TQ_CALL TQGetStatus(TQCameraRec* cam, TQStatusRec* status, void* specific) {
  if (status == nullptr) return BadArgError;
  return on_camera(cam, [&](const Camera& camera) { return read_status(camera, bytes(status), bytes(specific)); });
}

int16_t TQ_CALL TQGetConfig(TQCameraRec* cam, TQConfigRec* config, void* specific) {
  if (config == nullptr || config->text == nullptr) return BadArgError;
  return on_camera(cam, [&](const Camera& camera) {
    int16_t values[config_values];
    const int16_t code = read_config(camera, values, config_text(*config), bytes(specific));
    if (code == NoErr) config_values_out(values, *config);
    return code;
  });
}

int16_t TQ_CALL TQSetConfig(TQCameraRec* cam, TQConfigRec* config, void* specific) {
  if (config == nullptr || config->text == nullptr) return BadArgError;
  return on_camera(cam, [&](const Camera& camera) {
    int16_t values[config_values];
    config_values_in(*config, values);
    return write_config(camera, values, config_text(*config), bytes(specific));
  });
}

int16_t TQ_CALL TQGetImageProcessing(TQCameraRec* cam, TQImageProcRec* settings) {
  if (settings == nullptr) return BadArgError;
  return on_camera(cam, [&](const Camera& camera) { return read_image_processing(camera, bytes(settings)); });
}

int16_t TQ_CALL TQSetImageProcessing(TQCameraRec* cam, TQImageProcRec* settings) {
  if (settings == nullptr) return BadArgError;
  return on_camera(cam, [&](const Camera& camera) { return write_image_processing(camera, bytes(settings)); });
}

int16_t TQ_CALL TQGetOutputWindow(TQCameraRec* cam, TQOutputWindowRec* window) {
  if (window == nullptr) return BadArgError;
  return on_camera(cam, [&](const Camera& camera) { return read_output_window(camera, bytes(window)); });
}

int16_t TQ_CALL TQSetOutputWindow(TQCameraRec* cam, TQOutputWindowRec* window) {
  if (window == nullptr) return BadArgError;
  return on_camera(cam, [&](const Camera& camera) { return write_output_window(camera, bytes(window)); });
}

int16_t TQ_CALL TQTakePicture(TQCameraRec* cam, int32_t selector, int32_t flag, TQPictInfoRec* info, void* specific) {
  if (info == nullptr) return BadArgError;
  return on_camera(cam, [&](const Camera& camera) {
    return describe_into(info, [&](PictInfo& described) {
      return take_picture(camera, selector, flag, described, bytes(specific));
    });
  });
}

int16_t TQ_CALL TQDeletePicture(TQCameraRec* cam, int32_t selector, int32_t selector2, int32_t number) {
  return on_camera(cam, [&](const Camera& camera) {
    return delete_picture(camera, selector, low16(selector2), low16(number));
  });
}

int16_t TQ_CALL TQCopyMemToCard(TQCameraRec* cam, int32_t first, int32_t count) {
  return on_camera(cam, [&](const Camera& camera) { return copy_memory_to_card(camera, low16(first), low16(count)); });
}

int16_t TQ_CALL TQGetCameraPictInfo(TQCameraRec* cam, int32_t selector1, int32_t selector2, int32_t number, int32_t flag,
                            TQPictInfoRec* info, void* specific) {
  if (info == nullptr) return BadArgError;
  return on_camera(cam, [&](const Camera& camera) {
    return describe_into(info, [&](PictInfo& described) {
      return camera_pict_info(camera, selector1, low16(selector2), low16(number), flag, described, bytes(specific));
    });
  });
}

int16_t TQ_CALL TQGetNativePictInfo(TQCameraRec* cam, TQMemBlock* data, int32_t flag, TQPictInfoRec* info, void* specific) {
  const auto buffer = buffer_of(data);
  if (!buffer || info == nullptr) return BadArgError;
  return on_driver(cam, [&](const Camera& camera) {
    return describe_into(info, [&](PictInfo& described) {
      return native_pict_info(camera, *buffer, flag, described, bytes(specific));
    });
  });
}

int16_t TQ_CALL TQGetNativeCameraType(TQCameraRec* cam, TQMemBlock* data, int32_t* type) {
  const auto buffer = buffer_of(data);
  if (!buffer || type == nullptr) return BadArgError;
  return on_driver(cam, [&](const Camera&) {
    int32_t found = 0;
    const int16_t code = native_camera_type(*buffer, found);
    if (code == NoErr) *type = found;
    return code;
  });
}

int16_t TQ_CALL TQGetCameraPicture(TQCameraRec* cam, int32_t selector1, int32_t selector2, TQPictInfoRec* info,
                           TQMemBlock* block1, TQMemBlock* block2, TQTransferExtra* extra) {
  const auto working = buffer_of(block1), bits = buffer_of(block2);
  if (info == nullptr || !working || !bits || !extra_valid(extra)) return BadArgError;
  return on_camera(cam, [&](const Camera& camera) {
    return camera_picture(camera, selector1, low16(selector2), pictinfo_in(*info), *working, *bits);
  });
}

int16_t TQ_CALL TQGetNativePicture(TQCameraRec* cam, int32_t selector1, int32_t selector2, TQPictInfoRec* info,
                           TQMemBlock* block, TQTransferExtra* extra) {
  const auto out = buffer_of(block);
  if (info == nullptr || !out || !extra_valid(extra)) return BadArgError;
  return on_camera(cam, [&](const Camera& camera) {
    return native_picture(camera, selector1, low16(selector2), pictinfo_in(*info), *out);
  });
}

int16_t TQ_CALL TQProcNativePicture(TQCameraRec* cam, TQPictInfoRec* info, TQMemBlock* block1, TQMemBlock* block2,
                            TQTransferExtra* extra) {
  const auto data = buffer_of(block1), bits = buffer_of(block2);
  if (info == nullptr || !data || !bits || !extra_valid(extra)) return BadArgError;
  return on_driver(cam, [&](const Camera&) { return process_native(*data, *bits); });
}

int16_t TQ_CALL TQGetCameraPictureAsJPEG(TQCameraRec* cam, int32_t selector1, int32_t selector2, TQPictInfoRec* info,
                                 int32_t quality, int32_t* size, TQMemBlock* block1, TQMemBlock* block2,
                                 TQTransferExtra* extra) {
  const auto working = buffer_of(block1), jpeg = buffer_of(block2);
  if (info == nullptr || size == nullptr || !working || !jpeg || !extra_valid(extra)) return BadArgError;
  return on_camera(cam, [&](const Camera& camera) {
    int32_t jpegsize = 0;
    const int16_t code =
        camera_picture_as_jpeg(camera, selector1, low16(selector2), pictinfo_in(*info), quality, jpegsize, *working, *jpeg);
    // Too small a buffer learns the size it would need.
    if (code == NoErr || code == MemoryFullError) *size = jpegsize;
    return code;
  });
}

int16_t TQ_CALL TQProcNativePictureAsJPEG(TQCameraRec* cam, TQPictInfoRec* info, int32_t quality, int32_t* size,
                                  TQMemBlock* block1, TQMemBlock* block2, TQTransferExtra* extra) {
  const auto data = buffer_of(block1), jpeg = buffer_of(block2);
  if (info == nullptr || size == nullptr || !data || !jpeg || !extra_valid(extra)) return BadArgError;
  return on_driver(cam, [&](const Camera&) {
    int32_t jpegsize = 0;
    const int16_t code = process_native_as_jpeg(quality, jpegsize, *data, *jpeg);
    if (code == NoErr || code == MemoryFullError) *size = jpegsize;
    return code;
  });
}

int16_t TQ_CALL TQPreviewGetInfo(TQCameraRec* cam, TQPreviewInfoRec* record) {
  if (record == nullptr) return BadArgError;
  return on_camera(cam, [&](const Camera& camera) { return preview_get_info(camera, bytes(record)); });
}

int16_t TQ_CALL TQPreviewGetPicture(TQCameraRec* cam, TQMemBlock* block1, TQMemBlock* block2, TQTransferExtra* extra) {
  const auto working = buffer_of(block1), bits = buffer_of(block2);
  if (!working || !bits || !extra_valid(extra)) return BadArgError;
  return on_camera(cam, [&](const Camera& camera) { return preview_get_picture(camera, *working, *bits); });
}

int16_t TQ_CALL TQPreviewStore(TQCameraRec* cam, int32_t selector, int32_t flag, TQPictInfoRec* info, void* specific) {
  if (info == nullptr) return BadArgError;
  return on_camera(cam, [&](const Camera& camera) {
    return describe_into(info, [&](PictInfo& described) {
      return preview_store(camera, selector, flag, described, bytes(specific));
    });
  });
}

int16_t TQ_CALL TQPreviewErase(TQCameraRec* cam) {
  return on_camera(cam, [&](const Camera& camera) { return preview_erase(camera); });
}

int16_t TQ_CALL TQAlbumGetAvailable(TQCameraRec* cam, uintptr_t count) {
  return on_camera(cam, [&](const Camera& camera) { return album_get_available(camera, count); });
}

int16_t TQ_CALL TQAlbumSetAvailable(TQCameraRec* cam, uintptr_t count) {
  return on_camera(cam, [&](const Camera& camera) { return album_set_available(camera, count); });
}

int16_t TQ_CALL TQAlbumSetActive(TQCameraRec* cam, int32_t album) {
  return on_camera(cam, [&](const Camera& camera) { return album_set_active(camera, low16(album)); });
}

int16_t TQ_CALL TQAlbumGetAllName(TQCameraRec* cam, uintptr_t buffer, uintptr_t size) {
  return on_camera(cam, [&](const Camera& camera) { return album_get_all_name(camera, buffer, size); });
}

int16_t TQ_CALL TQAlbumErase(TQCameraRec* cam, uintptr_t mode, int32_t album) {
  return on_camera(cam, [&](const Camera& camera) { return album_erase(camera, mode, low16(album)); });
}

int16_t TQ_CALL TQAlbumChangeName(TQCameraRec* cam, uintptr_t name, int32_t album, uintptr_t length) {
  return on_camera(cam, [&](const Camera& camera) { return album_change_name(camera, name, low16(album), length); });
}

int16_t TQ_CALL TQAlbumGetPictureName(TQCameraRec* cam, uintptr_t buffer, int32_t number, uintptr_t size) {
  return on_camera(cam,
                   [&](const Camera& camera) { return album_get_picture_name(camera, buffer, low16(number), size); });
}

int16_t TQ_CALL TQAlbumMoveImage(TQCameraRec* cam, uintptr_t selector, int32_t from, int32_t number, int32_t to) {
  return on_camera(cam, [&](const Camera& camera) {
    return album_move_image(camera, selector, low16(from), low16(number), low16(to));
  });
}

}  // extern "C"

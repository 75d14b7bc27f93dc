// Pictures: information with thumbnails, taking, deleting, moving from the internal
// memory to the card, and the transfers in native, processed and JPEG form.
#pragma once

#include <cstdint>

#include "sdk/camera.h"
#include "sdk/card_state.h"
#include "sdk/native_format.h"

namespace tqsdk {

// The general picture information, as the caller's record holds it.
struct PictInfo {
  int16_t number = 0;
  uint16_t thumbwidth = 0, thumbheight = 0;
  uint8_t* thumbnail = nullptr;
  int32_t width = 0, height = 0;  // picture words 1 and 2: the delivered picture's size
  int32_t size = 0;               // native form
  int32_t working = 0;            // what a transfer's first buffer must hold
  int32_t serial = 0;             // picture word 5
  Stamp taken;
  int16_t album = -1, orientation = 0, cameratype = 0;  // picture values 1 to 3
};

// A caller's buffer, checked: address given, size not negative, spare words zero.
struct Buffer {
  uint8_t* address;
  uint64_t size;
};

// Size of the type's SDK picture record, 0 for a type without one.
size_t pictinfo_specific_size(int32_t type);

int16_t take_picture(const Camera& camera, int32_t selector, int32_t flag, PictInfo& info, uint8_t* specific);
int16_t delete_picture(const Camera& camera, int32_t selector1, int16_t selector2, int16_t number);
int16_t copy_memory_to_card(const Camera& camera, int16_t first, int16_t count);
int16_t camera_pict_info(const Camera& camera, int32_t selector1, int16_t selector2, int16_t number, int32_t flag,
                         PictInfo& info, uint8_t* specific);
int16_t native_pict_info(const Camera& camera, Buffer data, int32_t flag, PictInfo& info, uint8_t* specific);
int16_t native_camera_type(Buffer data, int32_t& type);

int16_t camera_picture(const Camera& camera, int32_t selector1, int16_t selector2, const PictInfo& info,
                       Buffer working, Buffer bits);
int16_t native_picture(const Camera& camera, int32_t selector1, int16_t selector2, const PictInfo& info, Buffer out);
int16_t process_native(Buffer data, Buffer bits);
int16_t camera_picture_as_jpeg(const Camera& camera, int32_t selector1, int16_t selector2, const PictInfo& info,
                               int32_t quality, int32_t& jpegsize, Buffer working, Buffer jpeg);
int16_t process_native_as_jpeg(int32_t quality, int32_t& jpegsize, Buffer data, Buffer jpeg);

// Shared with the preview's store: shoots the scene of `seed` at the configured size
// into the chosen store and describes it.
int16_t store_shot(const Camera& camera, CardState& state, int32_t selector, int32_t flag, uint32_t seed,
                   PictInfo& info, uint8_t* specific);

}  // namespace tqsdk

// The live view of the type 101: a small frame of the scene in front of the lens, which
// the camera holds until it is stored as a picture or erased.
#pragma once

#include <cstdint>

#include "sdk/camera.h"
#include "sdk/card_state.h"
#include "sdk/pictures.h"

namespace tqsdk {

inline constexpr size_t preview_info_size = 20;

int32_t preview_frames(const CardState& state);
bool preview_held(const CardState& state);
void clear_preview(CardState& state);

int16_t preview_get_info(const Camera& camera, uint8_t* record);
int16_t preview_get_picture(const Camera& camera, Buffer working, Buffer bits);
int16_t preview_store(const Camera& camera, int32_t selector, int32_t flag, PictInfo& info, uint8_t* specific);
int16_t preview_erase(const Camera& camera);

}  // namespace tqsdk

// The camera's own albums: up to eight named groups of the pictures on the card.
#pragma once

#include <cstdint>

#include "sdk/camera.h"
#include "sdk/card_state.h"

namespace tqsdk {

inline constexpr int32_t album_slots = 8;
inline constexpr size_t album_name_size = 16;  // zero-padded

int32_t albums_available(const CardState& state);
int16_t album_active(const CardState& state);
int16_t album_of(const CardState& state, uint32_t serial);  // -1: in no album
void set_album_of(CardState& state, uint32_t serial, int16_t album);

int16_t album_get_available(const Camera& camera, uintptr_t count);
int16_t album_set_available(const Camera& camera, uintptr_t count);
int16_t album_set_active(const Camera& camera, int16_t album);
int16_t album_get_all_name(const Camera& camera, uintptr_t buffer, uintptr_t size);
int16_t album_erase(const Camera& camera, uintptr_t mode, int16_t album);
int16_t album_change_name(const Camera& camera, uintptr_t name, int16_t album, uintptr_t length);
int16_t album_get_picture_name(const Camera& camera, uintptr_t buffer, int16_t number, uintptr_t size);
int16_t album_move_image(const Camera& camera, uintptr_t selector, int16_t from, int16_t number, int16_t to);

}  // namespace tqsdk

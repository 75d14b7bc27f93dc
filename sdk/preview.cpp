#include "sdk/preview.h"

#include "sdk/bytes.h"
#include "sdk/card.h"
#include "sdk/codes.h"
#include "sdk/scene.h"

namespace tqsdk {

int32_t preview_frames(const CardState& state) { return state.number("preview.frames", 0); }

bool preview_held(const CardState& state) { return state.number("preview.held", 0) == 1; }

void clear_preview(CardState& state) {
  state.erase("preview.held");
  state.erase("preview.seed");
}

int16_t preview_get_info(const Camera& camera, uint8_t* record) {
  if (camera.type != 101) return CameraFunctionNotSupported;
  if (record == nullptr) return BadArgError;
  const CardState state = CardState::load(camera.card);
  put16(record, uint16_t(preview_size.width));
  put16(record + 2, uint16_t(preview_size.height));
  put32(record + 4, uint32_t(bitmap_size(preview_size.width, preview_size.height)));
  put32(record + 8, uint32_t(native_size(preview_size.width, preview_size.height)));
  put32(record + 12, uint32_t(preview_frames(state)));
  put32(record + 16, preview_held(state) ? 1 : 0);
  return NoErr;
}

// The frame shows the scene that the next picture will hold: its native form goes to the
// first buffer, its processed form to the second.
int16_t preview_get_picture(const Camera& camera, Buffer working, Buffer bits) {
  if (camera.type != 101) return CameraFunctionNotSupported;
  const auto [width, height] = preview_size;
  if (working.size < native_size(width, height) || bits.size < bitmap_size(width, height)) return BadArgError;
  CardState state = CardState::load(camera.card);
  const uint32_t seed = next_serial(camera.card).value_or(0);
  write_native_header({camera.type, width, height, 0, stamp_now()}, working.address);
  render_scene(seed, width, height, working.address + native_header_size);
  native_to_bitmap(working.address + native_header_size, width, height, bits.address);
  state.setnumber("preview.frames", preview_frames(state) + 1);
  state.setnumber("preview.held", 1);
  state.setnumber("preview.seed", int32_t(seed));
  return state.save(camera.card) ? NoErr : SystemError;
}

int16_t preview_store(const Camera& camera, int32_t selector, int32_t flag, PictInfo& info, uint8_t* specific) {
  if (camera.type != 101) return CameraFunctionNotSupported;
  CardState state = CardState::load(camera.card);
  if (!preview_held(state)) return BadArgError;
  const auto seed = uint32_t(state.number("preview.seed", 0));
  if (const int16_t code = store_shot(camera, state, selector, flag, seed, info, specific); code != NoErr)
    return code;
  state = CardState::load(camera.card);
  clear_preview(state);
  return state.save(camera.card) ? NoErr : SystemError;
}

int16_t preview_erase(const Camera& camera) {
  if (camera.type != 101) return CameraFunctionNotSupported;
  CardState state = CardState::load(camera.card);
  clear_preview(state);
  return state.save(camera.card) ? NoErr : SystemError;
}

}  // namespace tqsdk

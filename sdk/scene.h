// Generated pictures: the scene in front of the simulated lens.
#pragma once

#include <cstdint>

namespace tqsdk {

// Draws a landscape (sky, sun, houses, textured ground) that varies with `seed` into
// `rgb`: width x height 24-bit RGB rows from the top. Cheap: mostly row spans.
void render_scene(uint32_t seed, uint32_t width, uint32_t height, uint8_t* rgb);

}  // namespace tqsdk

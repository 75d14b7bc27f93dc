// Writing a picture as a 24-bit Windows bitmap: bottom-up rows of blue, green, red, each
// padded to a multiple of 4 bytes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace fotivo {

// rgb holds width x height pixels, top row first, 3 bytes each. False when the file
// cannot be written whole.
bool writeBitmap24(const std::string& path, int width, int height, const std::vector<std::uint8_t>& rgb);

}  // namespace fotivo

// Window positions and sizes are given in twips; 15 twips make one pixel.
#pragma once

#include <QRect>

namespace fotivo {

constexpr int px(int twips) { return (twips + 7) / 15; }
constexpr QRect twipRect(int left, int top, int width, int height) {
  return {px(left), px(top), px(width), px(height)};
}

}  // namespace fotivo

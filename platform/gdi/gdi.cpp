#include "platform/gdi/gdi.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <new>
#include <vector>

namespace {
constexpr uint64_t maxPoints = uint64_t(1) << 26;
}

struct GdiMemory {
  std::vector<unsigned char> bytes;
  int locks = 0;
};

struct GdiBitmap {
  int width = 0, height = 0;
  std::vector<uint32_t> pixels;  // top row first
};

struct GdiContext {
  uint32_t* pixels = nullptr;  // a surface context draws here
  int width = 0, height = 0;
  GdiBitmap* selected = nullptr;  // a memory context draws into its bitmap
};

extern "C" {

HGLOBAL GlobalAlloc(unsigned, size_t bytes) {
  auto* memory = new (std::nothrow) GdiMemory;
  if (!memory) return nullptr;
  memory->bytes.assign(bytes, 0);
  return memory;
}

void* GlobalLock(HGLOBAL memory) {
  if (!memory) return nullptr;
  ++memory->locks;
  return memory->bytes.data();
}

BOOL GlobalUnlock(HGLOBAL memory) {
  if (!memory || memory->locks == 0) return 0;
  return --memory->locks > 0;
}

HGLOBAL GlobalFree(HGLOBAL memory) {
  delete memory;
  return nullptr;
}

HDC GdiCreateSurfaceDC(uint32_t* pixels, int width, int height) {
  if (!pixels || width <= 0 || height <= 0) return nullptr;
  return new (std::nothrow) GdiContext{pixels, width, height, nullptr};
}

HDC CreateCompatibleDC(HDC) { return new (std::nothrow) GdiContext{}; }

BOOL DeleteDC(HDC dc) {
  delete dc;
  return dc != nullptr;
}

HBITMAP CreateDIBitmap(HDC, const BITMAPINFOHEADER* header, DWORD init, const void* bits, const BITMAPINFO* info,
                       unsigned) {
  if (!header || header->biWidth <= 0 || header->biHeight == 0 || header->biHeight == INT32_MIN ||
      header->biCompression != BI_RGB)
    return nullptr;
  // Larger bitmaps than a device could show are refused, as a display driver would.
  if (uint64_t(header->biWidth) * uint64_t(std::abs(header->biHeight)) > maxPoints) return nullptr;
  const int bitcount = header->biBitCount;
  if (bitcount != 8 && bitcount != 24 && bitcount != 32) return nullptr;
  auto* bitmap = new (std::nothrow) GdiBitmap;
  if (!bitmap) return nullptr;
  bitmap->width = header->biWidth;
  bitmap->height = std::abs(header->biHeight);
  try {
    bitmap->pixels.assign(size_t(bitmap->width) * size_t(bitmap->height), 0xFF000000u);
  } catch (const std::bad_alloc&) {  // a bitmap too large to hold is not created
    delete bitmap;
    return nullptr;
  }
  if (!(init & CBM_INIT) || !bits) return bitmap;

  const size_t stride = (size_t(bitmap->width) * size_t(bitcount) / 8 + 3) & ~size_t(3);
  const bool bottomUp = header->biHeight > 0;
  const auto* rows = static_cast<const unsigned char*>(bits);
  for (int y = 0; y < bitmap->height; ++y) {
    const unsigned char* row = rows + stride * size_t(bottomUp ? bitmap->height - 1 - y : y);
    uint32_t* out = bitmap->pixels.data() + size_t(y) * size_t(bitmap->width);
    for (int x = 0; x < bitmap->width; ++x) {
      uint8_t b, g, r;
      if (bitcount == 8) {
        const RGBQUAD colour = info ? info->bmiColors[row[x]] : RGBQUAD{row[x], row[x], row[x], 0};
        b = colour.rgbBlue, g = colour.rgbGreen, r = colour.rgbRed;
      } else {
        const unsigned char* point = row + size_t(x) * size_t(bitcount / 8);
        b = point[0], g = point[1], r = point[2];
      }
      out[x] = 0xFF000000u | uint32_t(r) << 16 | uint32_t(g) << 8 | b;
    }
  }
  return bitmap;
}

HGDIOBJ SelectObject(HDC dc, HGDIOBJ object) {
  if (!dc) return nullptr;
  GdiBitmap* previous = dc->selected;
  dc->selected = static_cast<GdiBitmap*>(object);
  return previous;
}

BOOL DeleteObject(HGDIOBJ object) {
  delete static_cast<GdiBitmap*>(object);
  return object != nullptr;
}

BOOL BitBlt(HDC target, int x, int y, int width, int height, HDC source, int sx, int sy, DWORD rop) {
  if (!target || !source || !source->selected || rop != SRCCOPY) return 0;
  const GdiBitmap& from = *source->selected;
  uint32_t* to = target->selected ? target->selected->pixels.data() : target->pixels;
  const int toWidth = target->selected ? target->selected->width : target->width;
  const int toHeight = target->selected ? target->selected->height : target->height;
  if (!to) return 0;
  for (int row = 0; row < height; ++row) {
    const int fy = sy + row, ty = y + row;
    if (fy < 0 || fy >= from.height || ty < 0 || ty >= toHeight) continue;
    for (int column = 0; column < width; ++column) {
      const int fx = sx + column, tx = x + column;
      if (fx < 0 || fx >= from.width || tx < 0 || tx >= toWidth) continue;
      to[size_t(ty) * size_t(toWidth) + size_t(tx)] = from.pixels[size_t(fy) * size_t(from.width) + size_t(fx)];
    }
  }
  return 1;
}

}  // extern "C"

/* The drawing and global memory calls that the bitmap transfer needs. On Windows they are
 * the system's own; elsewhere this small layer gives them over pixel surfaces: a device
 * context draws into 32-bit 0xAARRGGBB pixels, top row first. */
#ifndef FOTIVO_GDI_H
#define FOTIVO_GDI_H

#ifdef _WIN32
#include <windows.h>
#else

#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

typedef struct GdiContext* HDC;
typedef struct GdiBitmap* HBITMAP;
typedef void* HGDIOBJ;
typedef struct GdiMemory* HGLOBAL;
typedef int BOOL;
typedef uint32_t DWORD;

#pragma pack(push, 2)
typedef struct BITMAPINFOHEADER {
  uint32_t biSize;
  int32_t biWidth, biHeight; /* a positive height: rows stored bottom-up */
  uint16_t biPlanes, biBitCount;
  uint32_t biCompression, biSizeImage;
  int32_t biXPelsPerMeter, biYPelsPerMeter;
  uint32_t biClrUsed, biClrImportant;
} BITMAPINFOHEADER;
typedef struct RGBQUAD {
  uint8_t rgbBlue, rgbGreen, rgbRed, rgbReserved;
} RGBQUAD;
typedef struct BITMAPINFO {
  BITMAPINFOHEADER bmiHeader;
  RGBQUAD bmiColors[1];
} BITMAPINFO;
#pragma pack(pop)

enum { GMEM_MOVEABLE = 0x2, GMEM_ZEROINIT = 0x40, CBM_INIT = 4, DIB_RGB_COLORS = 0, SRCCOPY = 0xCC0020, BI_RGB = 0 };

HGLOBAL GlobalAlloc(unsigned flags, size_t bytes);
void* GlobalLock(HGLOBAL memory);
BOOL GlobalUnlock(HGLOBAL memory);
HGLOBAL GlobalFree(HGLOBAL memory); /* null on success */

/* A device context that draws into the caller's pixels (width x height, top row first). */
HDC GdiCreateSurfaceDC(uint32_t* pixels, int width, int height);
HDC CreateCompatibleDC(HDC dc);
BOOL DeleteDC(HDC dc);
HBITMAP CreateDIBitmap(HDC dc, const BITMAPINFOHEADER* header, DWORD init, const void* bits,
                       const BITMAPINFO* info, unsigned usage);
HGDIOBJ SelectObject(HDC dc, HGDIOBJ object); /* the bitmap selected before, or null */
BOOL DeleteObject(HGDIOBJ object);
BOOL BitBlt(HDC target, int x, int y, int width, int height, HDC source, int sx, int sy, DWORD rop);

#ifdef __cplusplus
}
#endif

#endif
#endif

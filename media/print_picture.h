// Printing the viewer's picture centred on the printable area of a page.
#pragma once

#include <cstdint>

class QPrinter;

namespace fotivo {

class ImageBox;

struct PrintPosition {
  int left = 0, top = 0;
};

// Top-left corner, in device dots, that centres an image of imageWidth x imageHeight dots
// scaled by printScale on a page of pageWidth x pageHeight dots. Halves round to the nearest
// dot.
PrintPosition centredposition(int pageWidth, int pageHeight, std::int16_t imageWidth,
                              std::int16_t imageHeight, float printScale);

// Prints the image box's picture on one page of printer, centred, one image dot to one device
// dot at a PrintScale of 1; the display zoom plays no part. Returns false when nothing could
// be printed.
bool printpicture(ImageBox& box, QPrinter& printer);

}  // namespace fotivo

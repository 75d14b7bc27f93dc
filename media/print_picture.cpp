#include "media/print_picture.h"

#include <QPrinter>
#include <cmath>

#include "app/busy_pointer.h"
#include "app/image_box.h"

namespace fotivo {

PrintPosition centredposition(int pageWidth, int pageHeight, std::int16_t imageWidth,
                              std::int16_t imageHeight, float printScale) {
  return {int(std::lround((pageWidth - imageWidth * double(printScale)) / 2)),
          int(std::lround((pageHeight - imageHeight * double(printScale)) / 2))};
}

bool printpicture(ImageBox& box, QPrinter& printer) {
  BusyPointer busy;
  // The job and its first page open when the image box starts drawing onto the printer, and
  // the job is finished and sent when it is done; the printer's width and height are already
  // the printable area in device dots.
  const PrintPosition at = centredposition(printer.width(), printer.height(), box.ImageWidth(),
                                           box.ImageHeight(), box.PrintScale());
  box.setPrintLeft(at.left);
  box.setPrintTop(at.top);
  const bool drawn = box.PrintToDevice(&printer);
  return drawn && printer.printerState() != QPrinter::Error;
}

}  // namespace fotivo

// Where a PDF file written by the printer places its first image: the image's rectangle and the
// page's, in points, y upwards from the bottom-left corner of the page.
#pragma once

#include <QByteArray>
#include <QRectF>
#include <optional>

namespace fotivo::test {

struct Placement {
  QRectF page, image;
};

std::optional<Placement> imageplacement(const QByteArray& pdf);

}  // namespace fotivo::test

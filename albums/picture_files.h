// File work shared by the commands that bring pictures into an album: copies and thumbnail
// bitmaps that never leave a half-written file behind.
#pragma once

#include <QImage>
#include <string>

#include "library/model.h"

namespace fotivo {

// Copies source to dest through a temporary file in dest's directory, replacing dest.
Problems copypicturefile(const std::string& source, const std::string& dest);
// Writes image to path as a Windows bitmap, replacing path.
Problems writethumbnail(const QImage& image, const std::string& path);
// Whether both files exist and hold the same bytes.
bool samefilecontent(const std::string& a, const std::string& b);

class Main;

// After the picture list was rebuilt: the first picture selected and, with the strip shown,
// the strip redrawn from page 1 with the caption cell of column 1 selected.
void showfirstpicture(Main& main);

}  // namespace fotivo

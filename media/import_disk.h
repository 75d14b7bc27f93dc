// "From Disk": one picture file from anywhere on disk copied into the open album, named and
// commented in the album dialog, with a thumbnail bitmap beside it.
#pragma once

#include <QImage>
#include <string>

#include "library/model.h"

namespace fotivo {

class Main;

void importpix(Main& main);

// The thumbnail's path for a picture stored as t in dir: t up to and including its first
// "." followed by "THB"; a name without "." gets ".THB" appended.
std::string importthumbname(const std::string& dir, const std::string& t);
// Copies source to imagefile and writes thumbnail to thumbfile; on failure neither file is
// left behind.
Problems storeimport(const std::string& source, const std::string& imagefile, const QImage& thumbnail,
                     const std::string& thumbfile);

void installImportDisk(Main& main);

}  // namespace fotivo

// The file work of one import from disk, as one process: the dialog's preview of the picture
// (a working image box of 1500 x 1500 twips), the copy into the album and the thumbnail
// bitmap beside it.
// Usage: import_file_work <picture> <album directory>
#include <QApplication>
#include <cstdio>
#include <string>

#include "app/image_box.h"
#include "app/twips.h"
#include "library/paths.h"
#include "media/import_disk.h"

int main(int argc, char* argv[]) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s <picture> <album directory>\n", argv[0]);
    return 2;
  }
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const std::string source = argv[1], dir = argv[2], t = fotivo::filepart(source);

  fotivo::ImageBox gvbox1;
  gvbox1.resize(fotivo::px(1500), fotivo::px(1500));
  gvbox1.setImageFile(QString::fromStdString(source));
  const fotivo::Problems problems =
      fotivo::storeimport(source, dir + "/" + t, gvbox1.CurrentPicture(), fotivo::importthumbname(dir, t));
  for (const fotivo::FileProblem& problem : problems) std::fprintf(stderr, "%s\n", problem.message.c_str());
  return problems.empty() ? 0 : 1;
}

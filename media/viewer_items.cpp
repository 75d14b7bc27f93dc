#include <QFileInfo>

#include "app/main_window.h"
#include "app/modal_seam.h"
#include "library/paths.h"
#include "media/media.h"
#include "media/selected_picture.h"
#include "media/viewpix.h"

namespace fotivo {

namespace {

// Loads the selected picture into the viewer (its JPEG copy for a native camera file). Tells
// the user and gives nullptr when there is no picture or it cannot be read.
Viewpix* loadselected(Main& main) {
  const std::optional<std::string> picture = selectedpicture(main);
  if (!picture) return nullptr;
  const QString path = QString::fromStdString(companionpath(*picture));
  Viewpix& viewer = viewpix(main);
  if (viewer.Load(path)) return &viewer;
  main.seam().message("The picture file " + path + " cannot be read.", "View picture",
                      ModalSeam::Buttons::Ok, ModalSeam::Icon::Exclamation);
  return nullptr;
}

}  // namespace

void viewprintpix(Main& main) {
  Viewpix* viewer = loadselected(main);
  if (viewer == nullptr) return;
  main.seam().showModal(*viewer);
  // Closing the viewer ends it; the next view starts afresh.
  delete viewer;
}

void cpytoclip(Main& main) {
  // The viewer stays loaded and hidden.
  if (Viewpix* viewer = loadselected(main)) viewer->Cpytoclip();
}

}  // namespace fotivo

#include "albums/import_album.h"

#include "app/main_window.h"
#include "app/modal_seam.h"
#include "app/outline.h"
#include "library/import_target.h"

namespace fotivo {

int openImportAlbum(Main& main) {
  Model& model = main.state().model;
  const int temp = importalbum(model);
  if (temp < 0) {
    main.seam().message("No album \"TEMP\" is open to receive imported pictures.", "Import",
                        ModalSeam::Buttons::Ok, ModalSeam::Icon::Exclamation);
    return -1;
  }
  model.actlib = temp;
  main.catagory()->setListIndex(temp);
  main.catagory()->setExpanded(temp, true);
  return temp;
}

bool roomForPicture(Main& main, const QString& title) {
  if (main.state().model.piccount < piccapacity) return true;
  main.seam().message(QString("The album is full: it holds %1 pictures, as many as an album can keep. "
                              "Please make room or choose another album.")
                          .arg(piccapacity),
                      title, ModalSeam::Buttons::Ok, ModalSeam::Icon::Exclamation);
  return false;
}

}  // namespace fotivo

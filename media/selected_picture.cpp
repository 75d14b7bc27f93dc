#include "media/selected_picture.h"

#include <QListWidget>

#include "app/main_window.h"
#include "app/modal_seam.h"

namespace fotivo {

std::optional<std::string> selectedpicture(Main& main) {
  const int i = main.pics()->currentRow() + 1;
  const Model& model = main.state().model;
  if (i < 1 || i > model.piccount) {
    main.seam().message("Please select a picture in the list first.", "No picture selected",
                        ModalSeam::Buttons::Ok, ModalSeam::Icon::Information);
    return std::nullopt;
  }
  return model.piclist[i].imagefile;
}

}  // namespace fotivo

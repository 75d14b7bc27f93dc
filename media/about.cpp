#include "app/main_window.h"
#include "app/modal_seam.h"
#include "media/help_window.h"
#include "media/media.h"

namespace fotivo {

QString abouttext() {
  return QString(" ") + "         Fotivo Portfolio" + "\n\n\r" +
         "  " + "Copyright (C) 1997-2026 The Fotivo Folio authors" + "\n\n\r" +
         "Telephone (555) 010-3600   Fax (555) 010-3601" + "\n\r" +
         "     " + "E-mail: help@fotivo.example" + "\n\r" +
         " " + "Web: http://www.fotivo.example/" + " ";
}

void About(Main& main) {
  main.seam().message(abouttext(), "About . . . ", ModalSeam::Buttons::Ok, ModalSeam::Icon::None);
}

void helpcontent(Main& main) { showhelp(main, 0); }

}  // namespace fotivo

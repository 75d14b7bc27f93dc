#include "albums/remote_libraries.h"

#include <QAction>
#include <QGroupBox>
#include <QListWidget>

#include "albums/drivefm.h"
#include "albums/drivelist.h"
#include "albums/listform.h"
#include "app/main_window.h"
#include "app/modal_seam.h"
#include "library/remote_entry.h"

namespace fotivo {

void createrlib(Main& main) {
  main.remoteload();
  main.seam().showModal(drivefm(main));
  main.saveremote();
}

void attachlib(Main& main) {
  ProgramState& state = main.state();
  const Model& model = state.model;
  main.remoteload();
  state.dlgok = true;
  QStringList rows;
  for (int i = 0; i <= model.rmtlast; ++i) rows << QString::fromStdString(model.rmtlist[i]);
  Listform& form = listform(main);
  form.fill("Known Libraries", rows, true);
  main.seam().showModal(form);
  form.offerSearch(false);
  if (form.searched()) main.seam().showModal(drivelist(main));

  const int row = form.chosen();
  if (row < 0 || row > model.rmtlast || model.rmtlist[row].empty()) state.dlgok = false;
  if (state.dlgok) attachlibrary(main, remotedir(model.rmtlist[row]) + libidxname);
}

void attachlibrary(Main& main, const std::string& file) {
  main.loadlib(file);
  main.catrefresh();
  if (main.state().thumbson) main.clearthumb();
  main.Frame2()->setTitle(" ");
  main.pics()->clear();
}

void installRemoteLibraries(Main& main) {
  QObject::connect(main.item("createrlib"), &QAction::triggered, &main, [&main] { createrlib(main); });
  QObject::connect(main.item("attachlib"), &QAction::triggered, &main, [&main] { attachlib(main); });
}

}  // namespace fotivo

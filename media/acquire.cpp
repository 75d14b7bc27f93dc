#include "media/acquire.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

#include "albums/addcatfm.h"
#include "albums/import_album.h"
#include "app/main_window.h"
#include "app/modal_seam.h"
#include "library/import_target.h"
#include "platform/twain/twain.h"

namespace fotivo {

SourceDialog::SourceDialog(QWidget* parent) : QDialog(parent), sources_(new QListWidget(this)) {
  setObjectName("twainsource");
  setWindowTitle("Select Source");
  auto* label = new QLabel("Sources:", this);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  sources_->setObjectName("sources");
  sources_->setAccessibleName(label->text());
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(label);
  layout->addWidget(sources_);
  layout->addWidget(buttons);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(sources_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
}

void seltwain(Main& main) {
  Problems problems;
  TWAIN_SelectImageSource([&main](const std::vector<ScanSource>& sources, int current) {
    if (sources.empty()) {
      main.seam().message("No scanner was found.", "Select source");
      return -1;
    }
    SourceDialog dialog(&main);
    for (const ScanSource& source : sources) dialog.sources()->addItem(QString::fromStdString(source.label));
    dialog.sources()->setCurrentRow(std::max(current, 0));
    main.seam().showModal(dialog);
    return dialog.result() == QDialog::Accepted ? dialog.sources()->currentRow() : -1;
  }, &problems);
  main.report(problems);
}

void Aquire(Main& main) {
  ProgramState& state = main.state();
  Model& model = state.model;
  state.stampname = stampname();
  const int temp = openImportAlbum(main);
  if (temp < 0 || !roomForPicture(main, "Twain Import")) return;
  // The import album's own directory: an attached library's TEMP keeps its pictures itself.
  const std::string dir = model.liblist[temp].dir;
  state.stampname = uniquename(dir, state.stampname, {"bmp", "JPG"});
  const std::string scanbmp = dir + "/" + state.stampname + ".bmp";
  const std::string scanjpg = dir + "/" + state.stampname + ".JPG";
  if (TWAIN_AcquireToFilename(scanbmp) != 0) return;

  state.importsrc = scanjpg;
  Addcatfm& dialog = addcatfm(main);
  dialog.setWindowTitle("Twain Import");
  state.dlgmode = 6;
  state.dlgok = false;
  main.seam().showModal(dialog);
  if (!state.dlgok) return;
  model.piccount += 1;
  model.piclist[model.piccount] = {dialog.name(), dialog.comment(), scanjpg, scanbmp};
  if (!main.savepic()) model.piccount -= 1;
  main.picrefresh();
}

}  // namespace fotivo

#include "media/viewpix.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFileInfo>
#include <QMenuBar>
#include <QPrinter>
#include <QPrinterInfo>

#include "app/image_box.h"
#include "app/main_window.h"
#include "app/modal_seam.h"
#include "media/print_picture.h"
#include "media/zoom_steps.h"

namespace fotivo {

namespace {

// 15 twips make one pixel.
constexpr int px(int twips) { return (twips + 7) / 15; }

constexpr int clientWidth = 6810, clientHeight = 4860;

}  // namespace

Viewpix::Viewpix(ModalSeam& seam, QWidget* parent) : QDialog(parent), seam_(seam) {
  setObjectName("viewpix");
  setWindowTitle("View");

  auto* bar = new QMenuBar(this);
  QMenu* zoommenu = bar->addMenu("Zoom");
  zoommenu->setObjectName("zoommenu");
  zoomin_ = zoommenu->addAction("Zoom in", QKeySequence(Qt::CTRL | Qt::Key_I), this, &Viewpix::zoomin);
  zoomin_->setObjectName("zoomin");
  zoomout_ = zoommenu->addAction("Zoom out", QKeySequence(Qt::CTRL | Qt::Key_O), this, &Viewpix::Zoomout);
  zoomout_->setObjectName("Zoomout");
  QMenu* printmenu = bar->addMenu("Print");
  printmenu->setObjectName("Printmenu");
  printpix_ = printmenu->addAction("Print picture", this, &Viewpix::printpix);
  printpix_->setObjectName("printpix");
  QMenu* copymnu = bar->addMenu("Copy");
  copymnu->setObjectName("copymnu");
  cpytoclip_ = copymnu->addAction("Copy to Clipboard", this, &Viewpix::Cpytoclip);
  cpytoclip_->setObjectName("Cpytoclip");

  // The client area lies below the menu bar; the image box keeps its place and size when the
  // window is resized.
  auto* client = new QWidget(this);
  client->setGeometry(0, bar->sizeHint().height(), px(clientWidth), px(clientHeight));
  gvbox1_ = new ImageBox(client);
  gvbox1_->setObjectName("Gvbox1");
  gvbox1_->setGeometry(px(45), 0, px(6690), px(4785));
  bar->setGeometry(0, 0, px(clientWidth), bar->sizeHint().height());
  resize(px(clientWidth), bar->sizeHint().height() + px(clientHeight));
}

QAction* Viewpix::item(std::string_view control) const {
  for (QAction* action : {zoomin_, zoomout_, printpix_, cpytoclip_})
    if (action->objectName() == QLatin1String(control.data(), qsizetype(control.size()))) return action;
  return nullptr;
}

bool Viewpix::Load(const QString& path) {
  setWindowTitle("View .." + path);
  return gvbox1_->setImageFile(path);
}

void Viewpix::zoomin() { gvbox1_->setZoom(ZoomSteps::in(gvbox1_->Zoom())); }

void Viewpix::Zoomout() { gvbox1_->setZoom(ZoomSteps::out(gvbox1_->Zoom())); }

void Viewpix::Cpytoclip() {
  gvbox1_->setZoom(float(ZoomSteps::smallest));
  QClipboard* clipboard = QApplication::clipboard();
  clipboard->clear();
  clipboard->setImage(gvbox1_->CurrentPicture());
}

void Viewpix::printpix() {
  const QPrinterInfo defaultPrinter = QPrinterInfo::defaultPrinter();
  if (!defaultPrinter.isNull()) {
    QPrinter printer(defaultPrinter, QPrinter::HighResolution);
    printOn(printer);
    return;
  }
  if (seam_.message("No printer is set up on this computer.\n\nDo you want to print the picture "
                    "to a PDF file instead?",
                    "Print picture", ModalSeam::Buttons::YesNo,
                    ModalSeam::Icon::Question) != ModalSeam::Answer::Yes)
    return;
  // A cancelled dialog gives back the bare preset name; a confirmed one a full path.
  const QString preset = QFileInfo(gvbox1_->ImageFile()).completeBaseName() + ".pdf";
  const QString file = seam_.saveFile("Print picture to PDF file", "PDF files (*.pdf)", preset);
  if (file.isEmpty() || file == preset) return;
  QPrinter printer;
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(file);
  printOn(printer);
}

bool Viewpix::printOn(QPrinter& printer) {
  if (printpicture(*gvbox1_, printer)) return true;
  const QString where = printer.outputFileName().isEmpty() ? printer.printerName()
                                                           : printer.outputFileName();
  seam_.message("The picture could not be printed on " + where + ".", "Print picture",
                ModalSeam::Buttons::Ok, ModalSeam::Icon::Exclamation);
  return false;
}

Viewpix& viewpix(Main& main) {
  if (auto* viewer = main.findChild<Viewpix*>(QString(), Qt::FindDirectChildrenOnly)) return *viewer;
  auto* viewer = new Viewpix(main.seam(), &main);
  viewer->hide();
  return *viewer;
}

}  // namespace fotivo

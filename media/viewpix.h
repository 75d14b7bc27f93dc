// The picture viewer: one picture in an image box, zoomed in steps, printed centred on the
// default printer and copied to the clipboard.
#pragma once

#include <QDialog>
#include <QString>
#include <string_view>

class QAction;
class QPrinter;

namespace fotivo {

class ImageBox;
class Main;
class ModalSeam;

class Viewpix : public QDialog {
  Q_OBJECT

 public:
  Viewpix(ModalSeam& seam, QWidget* parent);

  ImageBox* Gvbox1() const { return gvbox1_; }
  // A menu item by its control name: "zoomin", "Zoomout", "printpix", "Cpytoclip".
  QAction* item(std::string_view control) const;

  // Loads the picture: the caption becomes "View .." + path and the image box shows the file.
  // Returns false when the file cannot be read.
  bool Load(const QString& path);

  void zoomin();
  void Zoomout();
  // Copies the whole picture to the clipboard; the zoom is left at 0.33.
  void Cpytoclip();
  // Prints on the default printer; without one, offers to print to a PDF file.
  void printpix();
  // Prints on the given printer; tells the user when it fails.
  bool printOn(QPrinter& printer);

 private:
  ModalSeam& seam_;
  ImageBox* gvbox1_ = nullptr;
  QAction* zoomin_ = nullptr;
  QAction* zoomout_ = nullptr;
  QAction* printpix_ = nullptr;
  QAction* cpytoclip_ = nullptr;
};

// The viewer of the main window; referring to it creates it, hidden, when it does not exist.
Viewpix& viewpix(Main& main);

}  // namespace fotivo

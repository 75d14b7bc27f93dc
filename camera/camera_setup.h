// "Camera Setup": how to reach the camera and in which form to download pictures; saved in
// CAMERA.INI and in the session record at once.
#pragma once

#include <QDialog>

class QComboBox;

namespace fotivo {

class Main;

class TQOpenCameraDlg : public QDialog {
  Q_OBJECT

 public:
  explicit TQOpenCameraDlg(Main& main);

  QComboBox* Combo1() const { return combo_[0]; }  // camera type
  QComboBox* Combo2() const { return combo_[1]; }  // port
  QComboBox* Combo4() const { return combo_[2]; }  // bit rate
  QComboBox* Combo3() const { return combo_[3]; }  // image format
  QComboBox* Combo5() const { return combo_[4]; }  // image quality

  void load();
  void save();

 private:
  Main& main_;
  QComboBox* combo_[5];
};

// "Define Camera": shows the dialog without waiting for it.
void defcam(Main& main);

}  // namespace fotivo

// The dialog that creates a remote library: a drive, a name of at most 8 characters, and the
// comment asked for with the album dialog. Created once, then hidden and shown again.
#pragma once

#include <QDialog>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace fotivo {

class Main;

class Drivefm : public QDialog {
  Q_OBJECT

 public:
  explicit Drivefm(Main& main);

  QComboBox* Drive1() const { return drive1_; }
  QLineEdit* rmtdir() const { return rmtdir_; }
  QPushButton* Createrm() const { return createrm_; }
  QPushButton* Cancelrm() const { return cancelrm_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void create();
  void refuse(const QString& text, const QString& title);

  Main& main_;
  QComboBox* drive1_;
  QLineEdit* rmtdir_;
  QPushButton* createrm_;
  QPushButton* cancelrm_;
};

Drivefm& drivefm(Main& main);

}  // namespace fotivo

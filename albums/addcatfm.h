// The album and picture dialog: names and comments albums, pictures and libraries for six
// callers, told apart by dlgmode. Created once and then only hidden and shown again, so the
// callers read its fields after it has closed.
#pragma once

#include <QDialog>
#include <QImage>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace fotivo {

class ImageBox;
class Main;

class Addcatfm : public QDialog {
  Q_OBJECT

 public:
  explicit Addcatfm(Main& main);

  QLabel* Label1() const { return label1_; }
  QLineEdit* addname() const { return addname_; }
  QPlainTextEdit* addcomt() const { return addcomt_; }
  QLabel* Picture1() const { return picture1_; }
  QPushButton* addcatbt() const { return addcatbt_; }
  QPushButton* addcancel() const { return addcancel_; }
  ImageBox* Gvbox1() const { return gvbox1_; }
  ImageBox* Gvbox2() const { return gvbox2_; }

  // The picture that Picture1 holds (the thumbnail in modes 3, 5 and 6).
  QImage picture() const { return picture_; }
  // Puts a picture into Picture1, as a caller of mode 5 does with the picture's thumbnail.
  void setPicture(const QImage& image);

  // The texts as the index files take them.
  std::string name() const;
  std::string comment() const;

 protected:
  void showEvent(QShowEvent* event) override;
  void reject() override;  // Cancel, Escape and the window frame's close

 private:
  void prepare(int mode);
  void previewImport();
  bool convertScan();
  void confirm();
  void limitComment();

  Main& main_;
  QLabel* label1_;
  QLineEdit* addname_;
  QPlainTextEdit* addcomt_;
  QLabel* picture1_;
  QPushButton* addcatbt_;
  QPushButton* addcancel_;
  ImageBox* gvbox1_;
  ImageBox* gvbox2_;
  QImage picture_;
};

// The program's one dialog, created on first use.
Addcatfm& addcatfm(Main& main);

}  // namespace fotivo

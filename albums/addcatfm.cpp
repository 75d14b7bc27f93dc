#include "albums/addcatfm.h"

#include <QFile>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QMetaObject>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>

#include "app/image_box.h"
#include "app/main_window.h"
#include "app/modal_seam.h"
#include "app/twips.h"
#include "library/names.h"
#include "library/paths.h"

namespace fotivo {
namespace {

constexpr int namelength = 12, commentlength = 60;

enum class Emptied { both, none, comment };
enum class Picture { untouched, import, shown, scan };

// How the dialog prepares itself for each dlgmode; a null title is set by the caller.
struct ModeLook {
  const char* label;
  bool nameEnabled;
  const char* button;
  Emptied emptied;
  const char* title;
  Picture picture;
};

constexpr ModeLook modes[] = {
    {"Album name (8 characters)", true, "Add", Emptied::both, nullptr, Picture::untouched},
    {"Album name (8 characters)", false, "Change", Emptied::none, "Edit Album", Picture::untouched},
    {"Picture name (8 characters)", true, "Import", Emptied::both, nullptr, Picture::import},
    {"Library name (8 characters)", false, "OK", Emptied::comment, nullptr, Picture::untouched},
    {"Picture name (8 characters)", true, "Change", Emptied::none, "Edit picture comment", Picture::shown},
    {"Picture name (8 characters)", true, "Import", Emptied::both, nullptr, Picture::scan},
};

// The first character that an index file cannot hold, or 0.
QChar forbidden(const QString& text) {
  for (QChar c : text)
    if (!allowedincomment(c.unicode())) return c;
  return QChar(0);
}

// Fits a label's text into the width the dialog gives it: the desktop's font may be wider
// than the one the layout was drawn for, so the font steps down a little rather than cutting
// the text off.
void fitText(QLabel* label) {
  QFont font = label->parentWidget()->font();
  while (font.pointSizeF() > 7 && QFontMetrics(font).horizontalAdvance(label->text()) > label->width())
    font.setPointSizeF(font.pointSizeF() - 0.5);
  label->setFont(font);
}

}  // namespace

Addcatfm::Addcatfm(Main& main)
    : QDialog(&main),
      main_(main),
      label1_(new QLabel(this)),
      addname_(new QLineEdit(this)),
      addcomt_(new QPlainTextEdit(this)),
      picture1_(new QLabel(this)),
      addcatbt_(new QPushButton(this)),
      addcancel_(new QPushButton("Cancel", this)),
      gvbox1_(new ImageBox(this)),
      gvbox2_(new ImageBox(this)) {
  setObjectName("addcatfm");
  setFixedSize(px(4155), px(2580));
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);

  auto* commentLabel = new QLabel("Comments/title (60 charcters)", this);
  label1_->setGeometry(twipRect(105, 210, 2295, 255));
  addname_->setGeometry(twipRect(315, 420, 1695, 285));
  commentLabel->setGeometry(twipRect(105, 1260, 2295, 255));
  addcomt_->setGeometry(twipRect(0, 1470, 4095, 645));
  picture1_->setGeometry(twipRect(2520, 105, 1485, 1275));
  addcatbt_->setGeometry(twipRect(735, 2205, 855, 330));
  addcancel_->setGeometry(twipRect(2640, 2205, 855, 330));
  // The working image boxes lie below the client area, never seen.
  gvbox1_->setGeometry(twipRect(0, 2700, 1500, 1500));
  gvbox2_->setGeometry(twipRect(1500, 2700, 1500, 1500));
  gvbox1_->hide();
  gvbox2_->hide();

  addname_->setObjectName("addname");
  addname_->setMaxLength(namelength);
  addcomt_->setObjectName("addcomt");
  addcomt_->setTabChangesFocus(true);
  picture1_->setObjectName("Picture1");
  picture1_->setAlignment(Qt::AlignCenter);
  picture1_->hide();
  addcatbt_->setObjectName("addcatbt");
  addcatbt_->setDefault(true);
  addcancel_->setObjectName("addcancel");
  setTabOrder(addname_, addcomt_);

  addname_->setAccessibleName("Name");
  addcomt_->setAccessibleName(commentLabel->text());
  picture1_->setAccessibleName("Picture");
  fitText(commentLabel);

  connect(addcomt_, &QPlainTextEdit::textChanged, this, &Addcatfm::limitComment);
  connect(addcatbt_, &QPushButton::clicked, this, &Addcatfm::confirm);
  connect(addcancel_, &QPushButton::clicked, this, &Addcatfm::reject);
}

void Addcatfm::setPicture(const QImage& image) {
  picture_ = image;
  picture1_->setPixmap(QPixmap::fromImage(image.scaled(picture1_->size(), Qt::KeepAspectRatio,
                                                       Qt::SmoothTransformation)));
}

std::string Addcatfm::name() const { return addname_->text().toStdString(); }
std::string Addcatfm::comment() const { return addcomt_->toPlainText().toStdString(); }

void Addcatfm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!event->spontaneous()) prepare(main_.state().dlgmode);
}

void Addcatfm::prepare(int mode) {
  if (mode < 1 || mode > int(std::size(modes))) return;
  const ModeLook& look = modes[mode - 1];
  if (look.picture == Picture::scan && !convertScan()) return;

  label1_->setText(look.label);
  fitText(label1_);
  addname_->setEnabled(look.nameEnabled);
  addname_->setAccessibleName(look.label);
  addcatbt_->setText(look.button);
  if (look.emptied == Emptied::both) addname_->clear();
  if (look.emptied != Emptied::none) addcomt_->clear();
  if (look.title) setWindowTitle(look.title);

  switch (look.picture) {
    case Picture::untouched: break;
    case Picture::shown: picture1_->show(); break;
    case Picture::import:
    case Picture::scan: previewImport(); break;
  }
  (look.nameEnabled ? static_cast<QWidget*>(addname_) : addcomt_)->setFocus();
}

// Shows the picture to import; a native camera file is shown through its JPEG copy.
void Addcatfm::previewImport() {
  const std::string source = companionpath(main_.state().importsrc);
  gvbox1_->setImageFile(QString::fromStdString(source));
  picture1_->show();
  setPicture(gvbox1_->CurrentPicture());
  if (modes[main_.state().dlgmode - 1].picture != Picture::scan) return;

  // The thumbnail of a scanned picture goes where the scan was.
  const QString scanbmp = QString::fromStdString(withextension(main_.state().importsrc, "bmp"));
  if (picture_.isNull() || !picture_.save(scanbmp, "BMP"))
    main_.seam().message("The thumbnail " + scanbmp + " could not be written.", "Twain Import",
                         ModalSeam::Buttons::Ok, ModalSeam::Icon::Exclamation);
}

// Turns the scanned bitmap into the picture's JPEG file and removes the scan. The scan is
// kept when the JPEG cannot be written, and the dialog then closes as cancelled.
bool Addcatfm::convertScan() {
  const QString scanjpg = QString::fromStdString(main_.state().importsrc);
  const QString scanbmp = QString::fromStdString(withextension(main_.state().importsrc, "bmp"));
  if (gvbox2_->setImageFile(scanbmp) && gvbox2_->SaveAsJpeg(scanjpg)) {
    QFile::remove(scanbmp);
    return true;
  }
  main_.seam().message("The scanned picture " + scanbmp + " could not be saved as " + scanjpg +
                           ". The scan was kept.",
                       "Twain Import", ModalSeam::Buttons::Ok, ModalSeam::Icon::Exclamation);
  QMetaObject::invokeMethod(this, &Addcatfm::reject, Qt::QueuedConnection);
  return false;
}

void Addcatfm::confirm() {
  if (addname_->text().isEmpty()) {
    main_.seam().message("You must define a catagory !", "Definition error");
    return;
  }
  for (const QString& text : {addname_->text(), addcomt_->toPlainText()}) {
    const QChar c = forbidden(text);
    if (c.isNull()) continue;
    main_.seam().message(c == '"' ? "Names and comments cannot hold a double quote (\"). Please remove it."
                                  : "Names and comments cannot hold tabs, line breaks or other control "
                                    "characters. Please remove them.",
                         "Definition error", ModalSeam::Buttons::Ok, ModalSeam::Icon::Exclamation);
    return;
  }
  main_.state().dlgok = true;
  picture1_->hide();
  hide();
}

void Addcatfm::reject() {
  picture1_->hide();
  hide();
}

// The comment field takes at most 60 characters, however they arrive.
void Addcatfm::limitComment() {
  const QString text = addcomt_->toPlainText();
  if (text.size() <= commentlength) return;
  QSignalBlocker block(addcomt_);
  addcomt_->setPlainText(text.left(commentlength));
  addcomt_->moveCursor(QTextCursor::End);
}

Addcatfm& addcatfm(Main& main) {
  // Owned by the main window; the pointer clears itself when the window goes.
  static QPointer<Addcatfm> dialog;
  if (!dialog || dialog->parent() != &main) dialog = new Addcatfm(main);
  return *dialog;
}

}  // namespace fotivo

#include "albums/thumb_window.h"

#include <QLabel>
#include <QPixmap>
#include <QPointer>
#include <filesystem>
#include <system_error>

#include "app/main_window.h"
#include "app/twips.h"
#include "library/date_text.h"
#include "library/model.h"
#include "library/paths.h"

namespace fotivo {
namespace {

QLabel* line(QWidget* parent, const char* text, QRect place) {
  auto* label = new QLabel(text, parent);
  label->setGeometry(place);
  return label;
}

}  // namespace

Thumb::Thumb(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::MSWindowsFixedSizeDialogHint),
      picture1_(line(this, "", twipRect(840, 105, 1590, 1485))),
      comment_(nullptr),
      location_(nullptr),
      size_(nullptr),
      date_(nullptr),
      thumbpath_(nullptr) {
  setObjectName("thumb");
  setWindowTitle("Detail for ");
  setFixedSize(px(3330), px(4635));
  picture1_->setObjectName("Picture1");
  picture1_->setAlignment(Qt::AlignCenter);
  line(this, "< Comment >", twipRect(735, 1680, 1275, 225));
  comment_ = line(this, "", twipRect(105, 1995, 3060, 855));
  comment_->setWordWrap(true);
  comment_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  line(this, "< Image Location >", twipRect(210, 2940, 2220, 225));
  location_ = line(this, "", twipRect(315, 3150, 2955, 225));
  location_->setFont(QFont("Arial"));
  size_ = line(this, "< Size >", twipRect(210, 3465, 2115, 225));
  date_ = line(this, "<Location>", twipRect(210, 3780, 2955, 225));
  line(this, "< Thumb Nail BMP >", twipRect(210, 4095, 1695, 225));
  thumbpath_ = line(this, "", twipRect(315, 4305, 2955, 225));
  for (QLabel* text : {comment_, location_, size_, date_, thumbpath_})
    text->setTextInteractionFlags(Qt::TextSelectableByMouse);
}

void Thumb::fill(const picentry& picture) {
  const bool native = companionpath(picture.imagefile) != picture.imagefile;
  setWindowTitle(QString::fromStdString("Detail for .." + picture.name));
  comment_->setText(QString::fromStdString(picture.comment));
  location_->setText(QString::fromStdString(picture.imagefile + (native ? " + JPG" : "")));
  location_->setToolTip(location_->text());

  std::error_code sizeError, timeError;
  const auto bytes = std::filesystem::file_size(picture.imagefile, sizeError);
  const auto time = std::filesystem::last_write_time(picture.imagefile, timeError);
  size_->setText(sizeError ? "< Size > the file is missing" : "< Size > " + QString::number(bytes));
  date_->setText(timeError ? "< Date/Time > the file is missing"
                           : "< Date/Time > " + QString::fromStdString(filetimetext(time)));

  thumbpath_->setText(QString::fromStdString(picture.thumbfile));
  thumbpath_->setToolTip(thumbpath_->text());
  picture1_->setPixmap(QPixmap(QString::fromStdString(picture.thumbfile)));
}

Thumb& thumb(Main& main) {
  static QPointer<Thumb> window;
  if (!window || window->parent() != &main) window = new Thumb(&main);
  return *window;
}

}  // namespace fotivo

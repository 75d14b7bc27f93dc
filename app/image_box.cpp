#include "app/image_box.h"

#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace fotivo {

namespace {

std::int16_t asInt16(int value) { return static_cast<std::int16_t>(std::min(value, 32767)); }

}  // namespace

ImageBox::ImageBox(QWidget* parent) : QWidget(parent) {
  setAccessibleName(tr("Picture"));
}

bool ImageBox::setImageFile(const QString& path) {
  imageFile_ = path;
  full_ = QImage();
  // Only the header is read here; the pixels are decoded when first needed, and at reduced
  // size when only a small rendition is asked for.
  QImageReader reader(path);
  reader.setAutoTransform(true);
  imageSize_ = reader.canRead() ? reader.size() : QSize();
  if (imageSize_.isValid() && reader.transformation().testFlag(QImageIOHandler::TransformationRotate90))
    imageSize_.transpose();
  if (!imageSize_.isValid() && reader.canRead()) {
    // Some formats give their size only by decoding.
    full_ = reader.read();
    imageSize_ = full_.size();
  }
  updateGeometry();
  update();
  return imageSize_.isValid() && !imageSize_.isEmpty();
}

void ImageBox::setZoom(float zoom) {
  if (!(zoom > 0.0f)) return;
  zoom_ = zoom;
  updateGeometry();
  update();
}

const QImage& ImageBox::fullImage() const {
  if (full_.isNull() && imageSize_.isValid()) {
    QImageReader reader(imageFile_);
    reader.setAutoTransform(true);
    full_ = reader.read();
  }
  return full_;
}

QImage ImageBox::CurrentPicture() const {
  if (!imageSize_.isValid() || imageSize_.isEmpty() || width() <= 0 || height() <= 0) return {};
  const QSize fitted = imageSize_.scaled(size(), Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
  if (!full_.isNull())
    return full_.scaled(fitted, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  QImageReader reader(imageFile_);
  reader.setAutoTransform(true);
  QSize decoded = fitted;
  if (reader.transformation().testFlag(QImageIOHandler::TransformationRotate90)) decoded.transpose();
  reader.setScaledSize(decoded);
  QImage picture = reader.read();
  if (picture.size() != fitted && !picture.isNull())
    picture = picture.scaled(fitted, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  return picture;
}

std::int16_t ImageBox::ImageWidth() const { return asInt16(imageSize_.isValid() ? imageSize_.width() : 0); }

std::int16_t ImageBox::ImageHeight() const {
  return asInt16(imageSize_.isValid() ? imageSize_.height() : 0);
}

bool ImageBox::PrintToDevice(QPaintDevice* device) {
  const QImage& image = fullImage();
  if (image.isNull() || device == nullptr) return false;
  QPainter painter(device);
  if (!painter.isActive()) return false;
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  const QRectF target(printLeft_, printTop_, image.width() * double(printScale_),
                      image.height() * double(printScale_));
  painter.drawImage(target, image);
  return true;
}

bool ImageBox::SaveAsJpeg(const QString& path) {
  const QImage& image = fullImage();
  if (image.isNull()) return false;
  QImageWriter writer(path, "jpeg");
  return writer.write(image.hasAlphaChannel() ? image.convertToFormat(QImage::Format_RGB32) : image);
}

QSize ImageBox::sizeHint() const {
  if (!imageSize_.isValid()) return {100, 100};
  return {int(std::lround(imageSize_.width() * double(zoom_))),
          int(std::lround(imageSize_.height() * double(zoom_)))};
}

void ImageBox::paintEvent(QPaintEvent*) {
  const QImage& image = fullImage();
  if (image.isNull()) return;
  QPainter painter(this);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  const QSizeF shown(image.width() * double(zoom_), image.height() * double(zoom_));
  // Centred while it is smaller than the box, from the top-left corner otherwise.
  const QPointF at(std::max(0.0, (width() - shown.width()) / 2),
                   std::max(0.0, (height() - shown.height()) / 2));
  painter.drawImage(QRectF(at, shown), image);
}

}  // namespace fotivo

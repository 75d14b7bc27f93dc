// The image box: shows a picture file at a zoom factor, gives it scaled to fit the box,
// draws it onto a paint device (the printer) and writes it as JPEG.
#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <QWidget>
#include <cstdint>

class QPaintDevice;

namespace fotivo {

class ImageBox : public QWidget {
  Q_OBJECT

 public:
  explicit ImageBox(QWidget* parent = nullptr);

  // Loads and shows the image file (JPEG, BMP and every format Qt reads). Returns false, and
  // holds no image, when the file cannot be read. Zoom stays as it was.
  bool setImageFile(const QString& path);
  QString ImageFile() const { return imageFile_; }

  float Zoom() const { return zoom_; }
  void setZoom(float zoom);

  // The picture scaled to fit the box, aspect ratio kept; a null image while none is loaded.
  // Large JPEGs are decoded at reduced size for it.
  QImage CurrentPicture() const;

  // Size of the loaded image in dots (0 while none is loaded).
  std::int16_t ImageWidth() const;
  std::int16_t ImageHeight() const;

  float PrintScale() const { return printScale_; }
  int PrintLeft() const { return printLeft_; }
  int PrintTop() const { return printTop_; }
  void setPrintLeft(int dots) { printLeft_ = dots; }
  void setPrintTop(int dots) { printTop_ = dots; }
  // Draws the image onto the device with its top-left corner at (PrintLeft, PrintTop) device
  // dots, its size multiplied by PrintScale. Returns false while no image is loaded.
  bool PrintToDevice(QPaintDevice* device);

  // Writes the loaded image to path as a JPEG file. Returns false when there is no image or
  // the file cannot be written.
  bool SaveAsJpeg(const QString& path);

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const QImage& fullImage() const;  // decoded on first need

  QString imageFile_;
  QSize imageSize_;
  mutable QImage full_;
  float zoom_ = 1.0f;
  float printScale_ = 1.0f;
  int printLeft_ = 0, printTop_ = 0;
};

}  // namespace fotivo

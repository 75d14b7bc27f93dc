// The details window of a picture: its thumbnail, comment, location, size, time and
// thumbnail path. Modeless; created on first use, then refilled and shown again.
#pragma once

#include <QWidget>

class QLabel;

namespace fotivo {

class Main;
struct picentry;

class Thumb : public QWidget {
  Q_OBJECT

 public:
  explicit Thumb(QWidget* parent);

  void fill(const picentry& picture);

  QLabel* Picture1() const { return picture1_; }
  QLabel* comment() const { return comment_; }
  QLabel* location() const { return location_; }
  QLabel* size() const { return size_; }
  QLabel* date() const { return date_; }
  QLabel* thumbpath() const { return thumbpath_; }

 private:
  QLabel* picture1_;
  QLabel* comment_;
  QLabel* location_;
  QLabel* size_;
  QLabel* date_;
  QLabel* thumbpath_;
};

Thumb& thumb(Main& main);

}  // namespace fotivo

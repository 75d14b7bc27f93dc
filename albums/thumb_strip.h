// The thumbnail strip and the picture list's mouse handling: paging, the selection that
// follows between list and strip, and the pop-up menu on the right button.
#pragma once

#include <QObject>

#include "app/main_window.h"

namespace fotivo {

class ThumbStripControl : public QObject, public ThumbStrip {
  Q_OBJECT

 public:
  // Installs itself into main as its strip and connects the controls.
  explicit ThumbStripControl(Main& main);

  void showthumb() override;
  void clearthumb() override;

  void viewthumb();
  void morethumb();
  void prevthumb();
  void picsSelected();  // the list's selection, by the user or by program
  void gridClicked(int column);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void selectCaption(int column);
  void popupPhotodetail(const QPoint& globalPos);

  Main& main_;
};

}  // namespace fotivo

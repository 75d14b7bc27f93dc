// Ends the program once the window it watches has been painted for the first time. The
// start-up benchmark uses it, in the program and in the bare window it is measured against.
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>

namespace fotivo {

class ExitWhenShown : public QObject {
 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint)
      QTimer::singleShot(0, QCoreApplication::instance(), &QCoreApplication::quit);
    return false;
  }
};

}  // namespace fotivo

// A bare Qt Widgets window that ends once it has been painted: what the program's start-up is
// measured against.
#include <QApplication>
#include <QWidget>

#include "app/exit_when_shown.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QWidget window;
  window.setWindowTitle("Bare");
  window.resize(611, 292);
  fotivo::ExitWhenShown exitWhenShown;
  window.installEventFilter(&exitWhenShown);
  window.show();
  return app.exec();
}

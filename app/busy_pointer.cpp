#include "app/busy_pointer.h"

#include <QApplication>
#include <QCursor>

namespace fotivo {

BusyPointer::BusyPointer() { QApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }

BusyPointer::~BusyPointer() { QApplication::restoreOverrideCursor(); }

}  // namespace fotivo

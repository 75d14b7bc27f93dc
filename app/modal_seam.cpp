#include "app/modal_seam.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace fotivo {

namespace {

QMessageBox::Icon qtIcon(ModalSeam::Icon icon) {
  switch (icon) {
    case ModalSeam::Icon::Exclamation: return QMessageBox::Warning;
    case ModalSeam::Icon::Information: return QMessageBox::Information;
    case ModalSeam::Icon::Critical: return QMessageBox::Critical;
    case ModalSeam::Icon::Question: return QMessageBox::Question;
    case ModalSeam::Icon::None: break;
  }
  return QMessageBox::NoIcon;
}

}  // namespace

ModalSeam::Answer QtModalSeam::message(const QString& text, const QString& title, Buttons buttons,
                                       Icon icon) {
  QMessageBox box(qtIcon(icon), title, text, QMessageBox::NoButton, QApplication::activeWindow());
  switch (buttons) {
    case Buttons::Ok:
      box.setStandardButtons(QMessageBox::Ok);
      box.setEscapeButton(QMessageBox::Ok);
      break;
    case Buttons::OkCancel:
      box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
      box.setEscapeButton(QMessageBox::Cancel);
      break;
    case Buttons::YesNo:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
      box.setEscapeButton(QMessageBox::No);
      break;
  }
  switch (box.exec()) {
    case QMessageBox::Ok: return Answer::Ok;
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    default: return Answer::Cancel;
  }
}

QString QtModalSeam::input(const QString& prompt, const QString& title, const QString& preset) {
  bool ok = false;
  QString text = QInputDialog::getText(QApplication::activeWindow(), title, prompt,
                                       QLineEdit::Normal, preset, &ok);
  return ok ? text : QString();
}

QString QtModalSeam::openFile(const QString& title, const QString& filter, const QString& preset) {
  QString chosen = QFileDialog::getOpenFileName(QApplication::activeWindow(), title, preset, filter);
  return chosen.isEmpty() ? preset : chosen;
}

QString QtModalSeam::saveFile(const QString& title, const QString& filter, const QString& preset) {
  QString chosen = QFileDialog::getSaveFileName(QApplication::activeWindow(), title, preset, filter);
  return chosen.isEmpty() ? preset : chosen;
}

void QtModalSeam::showModal(QDialog& dialog) { dialog.exec(); }

void QtModalSeam::showModeless(QWidget& window) {
  window.show();
  window.raise();
  window.activateWindow();
}

}  // namespace fotivo

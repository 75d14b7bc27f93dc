#include "tests/support/scripted_seam.h"

#include <gtest/gtest.h>

#include <QDialog>

namespace fotivo::test {

ModalSeam::Answer ScriptedSeam::message(const QString& text, const QString& title,
                                        Buttons buttons, Icon icon) {
  shown.push_back({Kind::Message, text, title, buttons, icon});
  if (answers.empty()) {
    if (buttons == Buttons::Ok) return Answer::Ok;
    ADD_FAILURE() << "unanswered question: " << text.toStdString();
    return buttons == Buttons::YesNo ? Answer::No : Answer::Cancel;
  }
  Answer a = answers.front();
  answers.pop_front();
  return a;
}

QString ScriptedSeam::input(const QString& prompt, const QString& title, const QString&) {
  shown.push_back({Kind::Input, prompt, title});
  if (inputs.empty()) {
    ADD_FAILURE() << "unanswered input box: " << prompt.toStdString();
    return {};
  }
  QString text = inputs.front();
  inputs.pop_front();
  return text;
}

QString ScriptedSeam::openFile(const QString& title, const QString&, const QString& preset) {
  return file(Kind::OpenFile, title, preset);
}

QString ScriptedSeam::saveFile(const QString& title, const QString&, const QString& preset) {
  return file(Kind::SaveFile, title, preset);
}

QString ScriptedSeam::file(Kind kind, const QString& title, const QString& preset) {
  shown.push_back({kind, title, title});
  if (files.empty()) return preset;
  QString chosen = files.front();
  files.pop_front();
  return chosen;
}

void ScriptedSeam::showModal(QDialog& dialog) {
  // show() delivers the show event at once, so the dialog prepares itself as under exec().
  dialog.show();
  shown.push_back({Kind::Modal, dialog.objectName(), dialog.windowTitle()});
  if (modals.empty()) {
    ADD_FAILURE() << "unscripted modal dialog: " << dialog.objectName().toStdString();
  } else {
    auto step = std::move(modals.front());
    modals.pop_front();
    step(dialog);
  }
  if (dialog.isVisible()) {
    ADD_FAILURE() << "modal dialog left open: " << dialog.objectName().toStdString();
    dialog.reject();
  }
}

void ScriptedSeam::showModeless(QWidget& window) {
  window.show();
  shown.push_back({Kind::Modeless, window.objectName(), window.windowTitle()});
}

std::vector<QString> ScriptedSeam::messages() const {
  std::vector<QString> texts;
  for (const Shown& s : shown)
    if (s.kind == Kind::Message) texts.push_back(s.text);
  return texts;
}

}  // namespace fotivo::test

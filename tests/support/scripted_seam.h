// A modal seam for tests: answers message boxes, input boxes and file dialogs from queues,
// records everything shown, and runs a scripted step for each modal dialog.
#pragma once

#include <QString>
#include <deque>
#include <functional>
#include <vector>

#include "app/modal_seam.h"

namespace fotivo::test {

class ScriptedSeam : public ModalSeam {
 public:
  enum class Kind { Message, Input, OpenFile, SaveFile, Modal, Modeless };
  struct Shown {
    Kind kind;
    QString text;   // message text, input prompt, dialog title, or the window's object name
    QString title;  // title of a message, input box or file dialog; window title otherwise
    Buttons buttons = Buttons::Ok;
    Icon icon = Icon::None;
  };

  // Queue answers, in the order they will be asked for.
  void answer(Answer a) { answers.push_back(a); }
  void type(const QString& text) { inputs.push_back(text); }  // "" is Cancel
  void pickFile(const QString& path) { files.push_back(path); }
  // Runs while the dialog is shown; it operates the dialog's controls and must leave the
  // dialog hidden (confirm, cancel or close it).
  void onModal(std::function<void(QDialog&)> step) { modals.push_back(std::move(step)); }

  // Message boxes with one OK button need no queued answer. A question, input box or modal
  // dialog with nothing queued fails the test and is cancelled; a file dialog with nothing
  // queued is cancelled (gives the preset).
  Answer message(const QString& text, const QString& title, Buttons buttons = Buttons::Ok,
                 Icon icon = Icon::None) override;
  QString input(const QString& prompt, const QString& title, const QString& preset = {}) override;
  QString openFile(const QString& title, const QString& filter, const QString& preset) override;
  QString saveFile(const QString& title, const QString& filter, const QString& preset) override;
  void showModal(QDialog& dialog) override;
  void showModeless(QWidget& window) override;

  // The texts of the message boxes shown so far, in order.
  std::vector<QString> messages() const;

  std::vector<Shown> shown;
  std::deque<Answer> answers;
  std::deque<QString> inputs;
  std::deque<QString> files;
  std::deque<std::function<void(QDialog&)>> modals;

 private:
  QString file(Kind kind, const QString& title, const QString& preset);
};

}  // namespace fotivo::test

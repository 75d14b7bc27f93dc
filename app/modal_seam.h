// The one way the program shows message boxes, input boxes, file dialogs and modal windows,
// so that tests can answer them by script.
#pragma once

#include <QString>

class QDialog;
class QWidget;

namespace fotivo {

class ModalSeam {
 public:
  enum class Buttons { Ok, OkCancel, YesNo };
  enum class Icon { None, Exclamation, Information, Critical, Question };
  enum class Answer { Ok, Cancel, Yes, No };

  virtual ~ModalSeam() = default;

  // A modal message box; returns the button that closed it.
  virtual Answer message(const QString& text, const QString& title, Buttons buttons = Buttons::Ok,
                         Icon icon = Icon::None) = 0;
  // An input box; Cancel gives "".
  virtual QString input(const QString& prompt, const QString& title, const QString& preset = {}) = 0;
  // File dialogs; a cancelled dialog gives back the preset file name.
  virtual QString openFile(const QString& title, const QString& filter, const QString& preset) = 0;
  virtual QString saveFile(const QString& title, const QString& filter, const QString& preset) = 0;
  // Runs the dialog modally and returns once it is hidden.
  virtual void showModal(QDialog& dialog) = 0;
  // Shows a window that does not block its caller.
  virtual void showModeless(QWidget& window) = 0;
};

// The seam of the running program: Qt's own message boxes, input boxes and file dialogs.
class QtModalSeam : public ModalSeam {
 public:
  Answer message(const QString& text, const QString& title, Buttons buttons = Buttons::Ok,
                 Icon icon = Icon::None) override;
  QString input(const QString& prompt, const QString& title, const QString& preset = {}) override;
  QString openFile(const QString& title, const QString& filter, const QString& preset) override;
  QString saveFile(const QString& title, const QString& filter, const QString& preset) override;
  void showModal(QDialog& dialog) override;
  void showModeless(QWidget& window) override;
};

}  // namespace fotivo

// The list dialog: the known libraries to attach, or the albums to copy a picture into.
// A click on a row closes it with that row chosen. Created once, then hidden and shown again.
#pragma once

#include <QDialog>
#include <QStringList>

class QListWidget;
class QPushButton;

namespace fotivo {

class Main;

class Listform : public QDialog {
  Q_OBJECT

 public:
  explicit Listform(Main& main);

  QListWidget* listlist() const { return listlist_; }
  QPushButton* Command1() const { return command1_; }  // "Search"
  QPushButton* listcancel() const { return listcancel_; }

  // Sets the title and the rows, offers "Search" or not, and forgets the last choice.
  void fill(const QString& title, const QStringList& rows, bool offerSearch);
  void offerSearch(bool offered);
  // The row chosen when the dialog closed, or -1.
  int chosen() const { return chosen_; }
  // Whether it closed through "Search".
  bool searched() const { return searched_; }

 protected:
  void reject() override;  // Escape and the window frame's close act as "Cancel"

 private:
  void choose(int row);

  Main& main_;
  QListWidget* listlist_;
  QPushButton* command1_;
  QPushButton* listcancel_;
  int chosen_ = -1;
  bool searched_ = false;
};

Listform& listform(Main& main);

}  // namespace fotivo

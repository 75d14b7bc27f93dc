// The scanner items: choosing the source and acquiring one picture into the import album.
#pragma once

#include <QDialog>

class QListWidget;

namespace fotivo {

class Main;

void seltwain(Main& main);
void Aquire(Main& main);

// The list of scanner sources the user chooses from.
class SourceDialog : public QDialog {
  Q_OBJECT

 public:
  explicit SourceDialog(QWidget* parent);
  QListWidget* sources() const { return sources_; }

 private:
  QListWidget* sources_;
};

}  // namespace fotivo

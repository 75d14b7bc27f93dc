#include "albums/drivefm.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>
#include <filesystem>
#include <system_error>

#include "albums/addcatfm.h"
#include "albums/drives.h"
#include "albums/picture_files.h"
#include "app/main_window.h"
#include "app/modal_seam.h"
#include "library/names.h"
#include "library/remote_entry.h"

namespace fotivo {

Drivefm::Drivefm(Main& main)
    : QDialog(&main),
      main_(main),
      drive1_(new QComboBox(this)),
      rmtdir_(new QLineEdit(this)),
      createrm_(new QPushButton("Create", this)),
      cancelrm_(new QPushButton("Cancel", this)) {
  setObjectName("drivefm");
  setWindowTitle("Drive");
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  auto* driveLabel = new QLabel("Select drive to place remote library on.", this);
  auto* nameLabel = new QLabel("Name for remote library. This will be the remote directory name.", this);
  nameLabel->setWordWrap(true);
  drive1_->setObjectName("Drive1");
  drive1_->setAccessibleName(driveLabel->text());
  rmtdir_->setObjectName("rmtdir");
  rmtdir_->setMaxLength(8);
  rmtdir_->setAccessibleName(nameLabel->text());
  createrm_->setObjectName("Createrm");
  createrm_->setDefault(true);
  cancelrm_->setObjectName("Cancelrm");

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(createrm_);
  buttons->addStretch();
  buttons->addWidget(cancelrm_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(driveLabel);
  layout->addWidget(drive1_);
  layout->addWidget(nameLabel);
  layout->addWidget(rmtdir_);
  layout->addLayout(buttons);

  connect(createrm_, &QPushButton::clicked, this, &Drivefm::create);
  connect(cancelrm_, &QPushButton::clicked, this, &Drivefm::hide);
}

void Drivefm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!event->spontaneous()) filldrives(*drive1_);
}

void Drivefm::refuse(const QString& text, const QString& title) {
  main_.seam().message(text, title);
  hide();
}

// "Create": the library's directory, its TEMP album and index, and its entry in the list of
// known libraries, which the caller writes when the dialog has closed.
void Drivefm::create() {
  ProgramState& state = main_.state();
  Model& model = state.model;
  const std::string n = rmtdir_->text().toStdString();
  const std::string d = drive1_->currentText().toStdString();
  const std::string p = d + "/" + n;
  if (n.empty()) return refuse("You must provide a name for the Library !", "Missing name");
  if (const NameProblem problem = checkname(n); problem != NameProblem::none)
    return refuse(QString::fromStdString(nameproblemtext(problem)), "Name not allowed");
  std::error_code error;
  if (std::filesystem::exists(p, error)) return refuse("You must provide a unique for the Library !", "Name in use");
  if (model.rmtlast + 1 >= rmtcapacity)
    return refuse(QString("The list of known libraries is full: it holds %1 entries.").arg(rmtcapacity),
                  "Create library");

  state.dlgok = false;
  state.dlgmode = 4;
  Addcatfm& dialog = addcatfm(main_);
  dialog.addname()->setText(QString::fromStdString(n));
  dialog.setWindowTitle("Create library");
  main_.seam().showModal(dialog);
  if (!state.dlgok) return hide();

  const std::string c = dialog.comment();
  if (main_.report(createlibrary(p, n, c), "Create library"))
    addremote(model, remoteentry(d, n, c));
  hide();
}

Drivefm& drivefm(Main& main) {
  static QPointer<Drivefm> dialog;
  if (!dialog || dialog->parent() != &main) dialog = new Drivefm(main);
  return *dialog;
}

}  // namespace fotivo

#include "camera/camera_setup.h"

#include <QComboBox>
#include <QFormLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/main_window.h"
#include "app/modal_seam.h"
#include "library/camera_settings.h"

namespace fotivo {
namespace {

struct Entry {
  const char* text;
  int value;
};

// The lists from top to bottom: label, control name, entries with the values they stand for.
struct List {
  const char* label;
  const char* control;
  std::initializer_list<Entry> entries;
};

const List lists[] = {
    {"Camera Type :", "Combo1", {{"Generic Camera", 1}, {"TQ-A", 100}, {"TQ-B", 101}, {"TQ-C", 104}}},
    {"Com Port :", "Combo2", {{"AutoPort", 0}, {"Com1", 1}, {"Com2", 2}, {"Com3", 3}, {"Com4", 4}}},
    {"BitRate :",
     "Combo4",
     {{"Auto", 0}, {"9600", 96}, {"19200", 192}, {"38400", 384}, {"57600", 576}, {"115200", 1152}, {"230400", 2304}}},
    {"Image Format:", "Combo3", {{"JPEG", 0}, {"Native", 1}}},
    {"Image Quality", "Combo5", {{"Low Quality", 0}, {"Medium Quality", 1}, {"High Quality", 2}}},
};

// Selects the entry that stands for value; none when no entry does.
void select(QComboBox* combo, int value) { combo->setCurrentIndex(combo->findData(value)); }

}  // namespace

TQOpenCameraDlg::TQOpenCameraDlg(Main& main) : QDialog(&main), main_(main) {
  setObjectName("TQOpenCameraDlg");
  setWindowTitle("Camera Setup");
  setAttribute(Qt::WA_DeleteOnClose);
  auto* form = new QFormLayout;
  for (int i = 0; i < 5; ++i) {
    combo_[i] = new QComboBox(this);
    combo_[i]->setObjectName(lists[i].control);
    combo_[i]->setAccessibleName(lists[i].label);
    form->addRow(lists[i].label, combo_[i]);
  }
  auto* ok = new QPushButton("Save", this);
  ok->setObjectName("OK");
  auto* cancel = new QPushButton("Cancel", this);
  cancel->setObjectName("Cancel");
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addLayout(buttons);

  connect(Combo3(), &QComboBox::activated, this, [this](int position) { Combo5()->setEnabled(position == 0); });
  connect(ok, &QPushButton::clicked, this, &TQOpenCameraDlg::save);
  connect(cancel, &QPushButton::clicked, this, &QDialog::close);
  load();
}

void TQOpenCameraDlg::load() {
  ProgramState& state = main_.state();
  TQILCameraRec& session = state.camsession;
  const CameraSettingsFile file = loadcamerasettings(state.model.homedir);
  if (file.exists) {
    session.port = file.settings.port;
    session.cameratype = file.settings.cameratype;
    session.cameratype2 = file.settings.cameratype2;
    session.bitrate = file.settings.bitrate;
    state.imgformat = file.settings.imgformat;
    state.jpegquality = file.settings.jpegquality;
  } else {
    session.port = 1;
    session.cameratype = session.cameratype2 = 104;
    session.bitrate = 576;
    state.jpegquality = 0;
  }
  for (int i = 0; i < 5; ++i) {
    combo_[i]->clear();
    for (const Entry& entry : lists[i].entries) combo_[i]->addItem(entry.text, entry.value);
  }
  Combo3()->setCurrentIndex(state.imgformat);
  Combo2()->setCurrentIndex(session.port);
  select(Combo1(), session.cameratype);
  select(Combo4(), session.bitrate);
  Combo5()->setCurrentIndex(state.jpegquality);
  Combo5()->setEnabled(state.imgformat == 0);
}

void TQOpenCameraDlg::save() {
  ProgramState& state = main_.state();
  TQILCameraRec& session = state.camsession;
  session.port = Combo2()->currentIndex();
  if (Combo1()->currentIndex() >= 0) session.cameratype = session.cameratype2 = Combo1()->currentData().toInt();
  if (Combo4()->currentIndex() >= 0) session.bitrate = Combo4()->currentData().toInt();
  state.imgformat = Combo3()->currentIndex();
  // The chosen quality is kept and used by the download.
  if (Combo5()->currentIndex() >= 0) state.jpegquality = Combo5()->currentIndex();
  const Problems problems = savecamerasettings(
      state.model.homedir,
      {session.port, session.cameratype, session.cameratype2, session.bitrate, state.imgformat, state.jpegquality});
  for (const FileProblem& problem : problems)
    main_.seam().message(QString::fromStdString(problem.message), "Camera Setup", ModalSeam::Buttons::Ok,
                         ModalSeam::Icon::Exclamation);
  close();
}

void defcam(Main& main) { main.seam().showModeless(*new TQOpenCameraDlg(main)); }

}  // namespace fotivo

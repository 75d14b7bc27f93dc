#include "camera/camera_window.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <cstring>
#include <cstdio>
#include <filesystem>
#include <vector>

#include "albums/addcatfm.h"
#include "albums/import_album.h"
#include "app/busy_pointer.h"
#include "app/main_window.h"
#include "app/modal_seam.h"
#include "app/twips.h"
#include "camera/camerrname.h"
#include "library/import_target.h"
#include "library/paths.h"

namespace fotivo {
namespace {

constexpr int narrowWidth = 2900, wideWidth = 4925, windowHeight = 4200;  // twips
constexpr int32_t jpegBufferSize = 1000000;
constexpr int thumbBox = 96;  // the largest thumbnail side any camera type delivers

QString datetext(int a, int b, int c, char separator) {
  return QString("%1%4%2%4%3").arg(a).arg(b).arg(c).arg(QChar(separator));
}

}  // namespace

CameraWindow::CameraWindow(Main& main, BridgeBinding& bridge)
    : QDialog(&main),
      main_(main),
      bridge_(bridge),
      list1_(new QListWidget(this)),
      pctr_(new QLineEdit(this)),
      vscroll1_(new QScrollBar(Qt::Vertical, this)),
      picture1_(new QLabel(this)),
      command1_(new QPushButton("View Picture", this)),
      command2_(new QPushButton("Exit import", this)),
      command3_(new QPushButton("Save Picture", this)),
      thumbnail_(thumbBox, thumbBox, QImage::Format_RGB32) {
  setObjectName("camera");
  setWindowTitle("Camera Download");
  setFixedSize(px(narrowWidth), px(windowHeight));
  auto* label1 = new QLabel("Camera Status", this);
  auto* label2 = new QLabel("Select picture number to view or download", this);
  label2->setWordWrap(true);
  label1->setGeometry(twipRect(105, 105, 2600, 255));
  list1_->setGeometry(twipRect(105, 400, 2600, 1500));
  label2->setGeometry(twipRect(105, 1950, 2600, 450));
  pctr_->setGeometry(twipRect(105, 2450, 800, 300));
  vscroll1_->setGeometry(twipRect(950, 2400, 255, 400));
  command1_->setGeometry(twipRect(105, 2950, 1250, 400));
  command3_->setGeometry(twipRect(1455, 2950, 1250, 400));
  command2_->setGeometry(twipRect(105, 3500, 2600, 400));
  picture1_->setGeometry(twipRect(2850, 400, 1500, 1500));
  picture1_->setAlignment(Qt::AlignCenter);

  list1_->setObjectName("List1");
  list1_->setAccessibleName(label1->text());
  pctr_->setObjectName("pctr");
  pctr_->setReadOnly(true);
  pctr_->setAccessibleName(label2->text());
  vscroll1_->setObjectName("VScroll1");
  vscroll1_->setAccessibleName("Picture number");
  vscroll1_->setRange(1, 1);
  picture1_->setObjectName("Picture1");
  picture1_->setAccessibleName("Thumbnail");
  command1_->setObjectName("Command1");
  command1_->setEnabled(false);
  command2_->setObjectName("Command2");
  command3_->setObjectName("Command3");
  thumbnail_.fill(Qt::white);

  connect(vscroll1_, &QScrollBar::valueChanged, this, [this](int value) {
    curpicture_ = int16_t(value);
    pctr_->setText(QString::number(value));
  });
  connect(command1_, &QPushButton::clicked, this, &CameraWindow::getphotodata);
  connect(command3_, &QPushButton::clicked, this, &CameraWindow::savePicture);
  connect(command2_, &QPushButton::clicked, this, &CameraWindow::exitImport);
}

template <typename Call>
bool CameraWindow::withBridge(Call call) {
  try {
    call();
    return true;
  } catch (const BridgeError& error) {
    main_.seam().message(QString::fromStdString(error.what()), "Info", ModalSeam::Buttons::Ok,
                         ModalSeam::Icon::Critical);
    hide();
    return false;
  }
}

void CameraWindow::fail(const QString& text) {
  main_.seam().message(text, "Info");
  hide();
}

bool CameraWindow::activate() {
  ProgramState& state = main_.state();
  if (state.camopen) return true;
  BusyPointer busy;
  setWindowTitle("Opening . Camera");
  TQILCameraRec& session = state.camsession;
  session.driver.driverword = session.cameratype;
  session.driver.cameratype = session.cameratype;
  session.driver.value1 = session.driver.value2 = session.driver.value3 = 0;
  camselect1_ = 0;
  camselect2_ = -1;
  curpicture_ = 1;
  bool opened = false;
  const bool bound = withBridge([&] {
    const int16_t version = 256;
    auto openDriver = bridge_.bind<decltype(&TQILOpenDriver)>("_TQILOpenDriver@8");
    auto openCamera = bridge_.bind<decltype(&TQILOpenCamera)>("_TQILOpenCamera@4");
    auto closeDriver = bridge_.bind<decltype(&TQILCloseDriver)>("_TQILCloseDriver@4");
    if (const int16_t code = openDriver(reinterpret_cast<uintptr_t>(&version), &session.driver)) {
      fail(QString::fromStdString(cameramessage(openDriverWord, code)));
      return;
    }
    if (const int16_t code = openCamera(&session)) {
      // The driver opened above is closed again, so that the next attempt starts clean.
      closeDriver(&session.driver);
      fail(QString::fromStdString(cameramessage(openCameraWord, code)));
      return;
    }
    opened = true;
  });
  if (!bound || !opened) return false;
  state.camopen = true;
  setWindowTitle("Getting . status");
  if (!getcamdata()) return false;
  setWindowTitle("Camera Download");
  if (picturestaken_ != 0) {
    setFixedSize(px(wideWidth), px(windowHeight));
    command1_->setEnabled(true);
  }
  return true;
}

void* CameraWindow::specificStatus() {
  switch (main_.state().camsession.driver.cameratype) {
    case 100: return &statusA_;
    case 101: return &statusB_;
    case 104: return &statusC_;
    default: return &camstatus_;  // ignored by the bridge
  }
}

void* CameraWindow::specificPicture() {
  switch (main_.state().camsession.driver.cameratype) {
    case 100: return &pictA_;
    case 101: return &pictB_;
    case 104: return &pictC_;
    default: return &campict_;
  }
}

bool CameraWindow::getcamdata() {
  setWindowTitle("Viewing . Picture");
  int16_t code = 0;
  {
    BusyPointer busy;
    if (!withBridge([&] {
          code = bridge_.bind<decltype(&TQILGetStatus)>("_TQILGetStatus@12")(&main_.state().camsession, &camstatus_,
                                                                             specificStatus());
        }))
      return false;
  }
  if (code != 0) {
    fail(QString::fromStdString(cameramessage(getStatusWord, code)));
    return false;
  }
  list1_->clear();
  list1_->addItem("Camera Date : " + datetext(camstatus_.month, camstatus_.day, camstatus_.year, '/'));
  list1_->addItem("Camera Time : " + datetext(camstatus_.hours, camstatus_.minutes, camstatus_.seconds, ':'));
  list1_->addItem("  ");
  picturestaken_ = camstatus_.pictures;
  if (picturestaken_ != 0) {
    command1_->setEnabled(true);
    vscroll1_->setRange(1, picturestaken_);
    curpicture_ = 1;
    vscroll1_->setValue(1);
    pctr_->setText("1");
  }
  list1_->addItem("Number of Pictures taken : " + QString::number(picturestaken_));
  return true;
}

// Room for the thumbnail of the camera type: 96 x 64 for 100 and 101, 80 x 60 for 104 and
// for the generic camera, the largest for any other type.
std::size_t CameraWindow::thumbnailBufferSize() const {
  switch (main_.state().camsession.driver.cameratype) {
    case 104:
    case 1: return 14401;
    default: return 18433;
  }
}

int CameraWindow::pictureInfo(int32_t flag, void* thumbnail) {
  int16_t code = 0;
  if (!withBridge([&] {
        code = bridge_.bind<decltype(&TQILGetCameraPictInfo)>("_TQILGetCameraPictInfo@32")(
            &main_.state().camsession, camselect1_, camselect2_, curpicture_, flag, thumbnail, &campict_,
            specificPicture());
      }))
    return TQ_BadArgError;
  return code;
}

bool CameraWindow::getphotodata() {
  std::vector<uint8_t> buffer(thumbnailBufferSize(), 0);
  camselect2_ = -1;
  camselect1_ = 1;
  int code;
  {
    BusyPointer busy;
    code = pictureInfo(1, buffer.data());
  }
  if (!isVisible() && !main_.state().camopen) return false;
  if (code != 0) {
    fail(QString::fromStdString(cameramessage(getPictureWord, int16_t(code))));
    return false;
  }
  BusyPointer busy;
  list1_->clear();
  list1_->addItem("Picture number : " + QString::number(curpicture_));
  list1_->addItem("Picture Size  : " + QString::number(campict_.picturesize));
  list1_->addItem("Date Stamp  : " + datetext(campict_.month, campict_.day, campict_.year, '/'));
  list1_->addItem("Time Stamp  : " + datetext(campict_.hours, campict_.minutes, campict_.seconds, ':'));

  int32_t orientation = 0;
  switch (main_.state().camsession.driver.cameratype) {
    case 100: orientation = pictA_.orientation; break;
    case 101: std::memcpy(&orientation, pictB_.bytes + TQIL_ORIENTATION_BC, 4); break;
    case 104: std::memcpy(&orientation, pictC_.bytes + TQIL_ORIENTATION_BC, 4); break;
  }
  int w = campict_.thumbwidth, h = campict_.thumbheight;
  if (orientation == 1 || orientation == 3) std::swap(w, h);
  // Points beyond the buffer or the box are never read or drawn.
  const bool fits = w > 0 && h > 0 && std::size_t(w) * std::size_t(h) * 3 <= buffer.size();
  if ((orientation >= 0 && orientation <= 3) && fits) {
    for (int r = h - 1; r >= 0; --r)
      for (int c = 0; c < w; ++c) {
        const uint8_t* point = buffer.data() + 3 * (std::size_t(r) * std::size_t(w) + std::size_t(c));
        if (c < thumbnail_.width() && h - 1 - r < thumbnail_.height())
          thumbnail_.setPixel(c, h - 1 - r, qRgb(point[2], point[1], point[0]));
      }
    picture1_->setPixmap(QPixmap::fromImage(thumbnail_));
  }
  return true;
}

bool CameraWindow::writeFile(const std::string& path, const char* data, std::size_t size) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  bool written = file && std::fwrite(data, 1, size, file) == size;
  if (file) written = std::fclose(file) == 0 && written;
  if (!written) {
    std::filesystem::remove(path);
    main_.seam().message(QString::fromStdString("The picture file " + path + " could not be written."),
                         "Camera Import", ModalSeam::Buttons::Ok, ModalSeam::Icon::Exclamation);
  }
  return written;
}

bool CameraWindow::jpegTransfer(const std::string& path) {
  const int32_t working = campict_.workingsize;
  if (working < 0) return false;
  std::vector<char> source(std::size_t(working) + 1), jpeg(std::size_t(jpegBufferSize) + 1);
  int16_t code = 0;
  if (!withBridge([&] {
        code = bridge_.bind<decltype(&TQILGetCameraPictureAsJPEG)>("_TQILGetCameraPictureAsJPEG@40")(
            &main_.state().camsession, camselect1_, camselect2_, &campict_, main_.state().jpegquality, &jpegsize_,
            working, source.data(), jpegBufferSize, jpeg.data());
      }))
    return false;
  if (code != 0 || jpegsize_ < 0 || jpegsize_ > jpegBufferSize) {
    main_.seam().message(QString::fromStdString("The picture could not be transferred as JPEG: " + camerrname(code)),
                         "Camera Import", ModalSeam::Buttons::Ok, ModalSeam::Icon::Exclamation);
    return false;
  }
  return writeFile(path, jpeg.data(), std::size_t(jpegsize_));
}

// The date-and-time name; when a picture of this minute is already there, its last
// character gives way to a letter, so no file is ever replaced and the name keeps 8 characters.
std::string CameraWindow::uniqueStamp(const std::string& dir) const {
  const std::string base = stampname();
  const auto taken = [&](const std::string& name) {
    for (const char* ext : {".JPG", ".TQN", ".BMP"})
      if (std::filesystem::exists(dir + "/" + name + ext)) return true;
    return false;
  };
  if (!taken(base)) return base;
  for (char letter = 'A'; letter <= 'Z'; ++letter) {
    const std::string name = base.substr(0, std::min<std::size_t>(base.size(), 7)) + letter;
    if (!taken(name)) return name;
  }
  return {};
}

void CameraWindow::savePicture() {
  ProgramState& state = main_.state();
  Model& model = state.model;
  if (!roomForPicture(main_, "Camera Import")) return;
  setWindowTitle("Saving . Picture");
  BusyPointer busy;
  // The import album's own directory: an attached library's TEMP keeps its pictures itself.
  const int temp = importalbum(model);
  const std::string dir = temp >= 0 ? model.liblist[temp].dir : model.homedir + tempname;
  state.stampname = uniqueStamp(dir);
  setWindowTitle("Camera Download");
  if (state.stampname.empty()) {
    main_.seam().message("Too many pictures were saved within this minute. Please wait a minute.", "Camera Import");
    return;
  }
  std::vector<uint8_t> work(thumbnailBufferSize(), 0);
  std::string path;
  if (state.imgformat == 0) {
    path = dir + "/" + state.stampname + ".JPG";
    camselect2_ = -1;
    camselect1_ = 1;
    if (const int code = pictureInfo(0, work.data()); code < 0) {
      main_.seam().message(QString::fromStdString(cameramessage(getPictureWord, int16_t(code))), "Info");
      return;
    }
    if (!jpegTransfer(path)) return;
  } else {
    path = dir + "/" + state.stampname + ".TQN";
    if (const int code = pictureInfo(0, work.data()); code < 0) {
      main_.seam().message(QString::fromStdString(cameramessage(getPictureWord, int16_t(code))), "Info");
      return;
    }
    const int32_t size = campict_.picturesize;
    if (size < 0) return;
    std::vector<char> native(std::size_t(size) + 1);
    int16_t code = 0;
    if (!withBridge([&] {
          code = bridge_.bind<decltype(&TQILGetNativePicture)>("_TQILGetNativePicture@24")(
              &state.camsession, camselect1_, camselect2_, &campict_, size, native.data());
        }))
      return;
    if (code != 0) {
      main_.seam().message(QString::fromStdString("The picture could not be transferred in native form: " +
                                                  camerrname(code)),
                           "Camera Import", ModalSeam::Buttons::Ok, ModalSeam::Icon::Exclamation);
      return;
    }
    if (!writeFile(path, native.data(), std::size_t(size))) return;
    if (!jpegTransfer(companionpath(path))) {
      std::filesystem::remove(path);
      return;
    }
  }

  state.importsrc = path;
  Addcatfm& dialog = addcatfm(main_);
  dialog.setWindowTitle("Camera Import");
  state.dlgmode = 3;
  state.dlgok = false;
  main_.seam().showModal(dialog);
  if (!state.dlgok) return;
  const std::string thumbfile = withextension(path, "BMP");
  if (!dialog.picture().save(QString::fromStdString(thumbfile), "BMP"))
    main_.seam().message(QString::fromStdString("The thumbnail " + thumbfile + " could not be written."),
                         "Camera Import", ModalSeam::Buttons::Ok, ModalSeam::Icon::Exclamation);
  model.piccount += 1;
  model.piclist[model.piccount] = {dialog.name(), dialog.comment(), path, thumbfile};
  if (!main_.savepic()) model.piccount -= 1;
  main_.picrefresh();
}

void CameraWindow::closeSession() {
  ProgramState& state = main_.state();
  if (!state.camopen) return;
  withBridge([&] {
    bridge_.bind<decltype(&TQILCloseCamera)>("_TQILCloseCamera@4")(&state.camsession);
    bridge_.bind<decltype(&TQILCloseDriver)>("_TQILCloseDriver@4")(&state.camsession.driver);
  });
  state.camopen = false;
}

void CameraWindow::exitImport() {
  closeSession();
  hide();
}

void CameraWindow::reject() { exitImport(); }

}  // namespace fotivo

// The camera download window: opens the camera session, lists the camera's status, shows a
// picture's information and thumbnail, and saves pictures into the import album.
#pragma once

#include <QDialog>
#include <QImage>
#include <memory>
#include <string>

#include "camera/bridge_binding.h"
#include "tqbridge.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QScrollBar;

namespace fotivo {

class Main;

class CameraWindow : public QDialog {
  Q_OBJECT

 public:
  CameraWindow(Main& main, BridgeBinding& bridge);

  QListWidget* List1() const { return list1_; }
  QLineEdit* pctr() const { return pctr_; }
  QScrollBar* VScroll1() const { return vscroll1_; }
  QLabel* Picture1() const { return picture1_; }
  QPushButton* Command1() const { return command1_; }  // "View Picture"
  QPushButton* Command2() const { return command2_; }  // "Exit import"
  QPushButton* Command3() const { return command3_; }  // "Save Picture"
  const QImage& thumbnail() const { return thumbnail_; }
  int camselect1() const { return camselect1_; }

  // Opens the driver and the camera and reads the status; false (after telling the user)
  // when the window must not be shown. Does nothing while a session is open.
  bool activate();
  bool getcamdata();
  bool getphotodata();
  void savePicture();
  void exitImport();
  // Closes an open session: camera, then driver; results ignored.
  void closeSession();

 protected:
  void reject() override;  // the window frame's close acts as "Exit import"

 private:
  // Runs a bridge call; a library or export that cannot be bound is told and closes the window.
  template <typename Call>
  bool withBridge(Call call);
  void* specificStatus();
  void* specificPicture();
  std::size_t thumbnailBufferSize() const;
  int pictureInfo(int32_t flag, void* thumbnail);
  bool jpegTransfer(const std::string& path);
  bool writeFile(const std::string& path, const char* data, std::size_t size);
  void fail(const QString& text);
  std::string uniqueStamp(const std::string& dir) const;

  Main& main_;
  BridgeBinding& bridge_;
  QListWidget* list1_;
  QLineEdit* pctr_;
  QScrollBar* vscroll1_;
  QLabel* picture1_;
  QPushButton* command1_;
  QPushButton* command2_;
  QPushButton* command3_;
  QImage thumbnail_;

  TQILStatusRec camstatus_{};
  TQILStatusA statusA_{};
  TQILStatusB statusB_{};
  TQILStatusC statusC_{};
  TQILPictInfoRec campict_{};
  TQILPictInfoA pictA_{};
  TQILPictInfoB pictB_{};
  TQILPictInfoC pictC_{};
  int16_t curpicture_ = 1;
  int16_t picturestaken_ = 0;
  int32_t camselect1_ = 0;
  int16_t camselect2_ = -1;
  int32_t jpegsize_ = 0;
};

}  // namespace fotivo

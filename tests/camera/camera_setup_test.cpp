// "Camera Setup" and CAMERA.INI.
#include <QComboBox>
#include <QPushButton>

#include "camera/camera_setup.h"
#include "tests/camera/camera_fixture.h"

namespace fotivo::test {
namespace {

TEST_F(CameraTest, WithoutSettingsTheDialogOffersTheDefaults) {
  start("");
  EXPECT_FALSE(main->item("Impcam")->isEnabled());
  TQOpenCameraDlg dialog(*main);
  EXPECT_EQ(dialog.Combo1()->currentText(), "TQ-C");
  EXPECT_EQ(dialog.Combo2()->currentText(), "Com1");
  EXPECT_EQ(dialog.Combo4()->currentText(), "57600");
  EXPECT_EQ(dialog.Combo3()->currentText(), "JPEG");
  EXPECT_EQ(dialog.Combo5()->currentText(), "Low Quality");
  EXPECT_TRUE(dialog.Combo5()->isEnabled());
}

TEST_F(CameraTest, SaveWritesSixValuesAndKeepsAnUnknownType) {
  start("2,7,7,0,0,1\r\n");
  auto* dialog = new TQOpenCameraDlg(*main);
  EXPECT_EQ(dialog->Combo1()->currentIndex(), -1);
  EXPECT_EQ(dialog->Combo4()->currentText(), "Auto");
  dialog->Combo3()->setCurrentIndex(1);
  emit dialog->Combo3()->activated(1);
  EXPECT_FALSE(dialog->Combo5()->isEnabled());
  dialog->findChild<QPushButton*>("OK")->click();
  EXPECT_EQ(readFile(libraryDir() / "CAMERA.INI"), "2,7,7,0,1,1\r\n");
  EXPECT_EQ(main->state().imgformat, 1);
  EXPECT_EQ(main->state().camsession.cameratype, 7);
}

TEST_F(CameraTest, CancelStoresNothing) {
  start("1,104,104,576,0,0\r\n");
  TQOpenCameraDlg dialog(*main);
  dialog.Combo1()->setCurrentIndex(0);
  dialog.findChild<QPushButton*>("Cancel")->click();
  EXPECT_EQ(readFile(libraryDir() / "CAMERA.INI"), "1,104,104,576,0,0\r\n");
}

}  // namespace
}  // namespace fotivo::test

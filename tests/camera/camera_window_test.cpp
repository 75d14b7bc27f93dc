// Downloads from the simulated camera through the real bridge, as the user does them.
#include <QAction>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <filesystem>

#include "albums/addcatfm.h"
#include "library/paths.h"
#include "tests/camera/camera_fixture.h"

namespace fotivo::test {
namespace {

namespace fs = std::filesystem;

void nameThePicture(ScriptedSeam& seam, const QString& name) {
  seam.onModal([name](QDialog& dialog) {
    auto& form = static_cast<Addcatfm&>(dialog);
    EXPECT_EQ(form.windowTitle(), "Camera Import");
    form.addname()->setText(name);
    form.addcomt()->setPlainText("from the camera");
    form.addcatbt()->click();
  });
}

TEST_F(CameraTest, ViewAndSaveAJpegIntoTemp) {
  start("0,104,104,0,0,1\r\n");
  EXPECT_TRUE(main->item("Impcam")->isEnabled());
  seam.onModal([this](QDialog&) {
    EXPECT_EQ(main->state().camsession.driver.driverword, 104);
    EXPECT_EQ(window().windowTitle(), "Camera Download");
    EXPECT_EQ(lines().back(), "Number of Pictures taken : 5");
    EXPECT_EQ(window().camselect1(), 0);
    window().VScroll1()->setValue(3);  // an upright picture, its thumbnail turned
    EXPECT_EQ(window().pctr()->text(), "3");
    window().Command1()->click();
    EXPECT_EQ(window().camselect1(), 1);
    EXPECT_EQ(lines().front(), "Picture number : 3");
    EXPECT_TRUE(lines()[1].startsWith("Picture Size  : "));
    EXPECT_NE(window().thumbnail().pixel(10, 10), qRgb(255, 255, 255)) << "the thumbnail was drawn";
    window().Command3()->click();
    window().Command2()->click();
  });
  nameThePicture(seam, "SHOT");
  main->item("Impcam")->trigger();

  EXPECT_FALSE(main->state().camopen);
  const Model& model = main->state().model;
  ASSERT_EQ(model.piccount, 1);
  const picentry& picture = model.piclist[1];
  EXPECT_EQ(picture.imagefile, path("TEMP/" + main->state().stampname + ".JPG"));
  EXPECT_EQ(picture.thumbfile, path("TEMP/" + main->state().stampname + ".BMP"));
  EXPECT_EQ(main->state().stampname.size(), 8u);
  const QImage jpeg(QString::fromStdString(picture.imagefile));
  EXPECT_EQ(jpeg.size(), QSize(768, 1024));
  EXPECT_FALSE(QImage(QString::fromStdString(picture.thumbfile)).isNull());
  EXPECT_EQ(readFile(libraryDir() / "TEMP" / "PHOTOIDX.IDX"),
            "\"SHOT\",\"from the camera\",\"" + picture.imagefile + "\",\"" + picture.thumbfile + "\"\r\n");
}

TEST_F(CameraTest, ANativeSaveWritesTheCameraFileAndItsJpegCopy) {
  start("0,104,104,0,1,0\r\n");
  int32_t delivered = 0;
  seam.onModal([&](QDialog&) {
    window().Command3()->click();  // before any view: selector 1 stays 0
    window().Command2()->click();
  });
  seam.onModal([&](QDialog& dialog) {
    delivered = int32_t(fs::file_size(main->state().importsrc));
    auto& form = static_cast<Addcatfm&>(dialog);
    form.addname()->setText("RAW");
    form.addcatbt()->click();
  });
  main->item("Impcam")->trigger();
  const picentry& picture = main->state().model.piclist[1];
  EXPECT_EQ(picture.imagefile.substr(picture.imagefile.size() - 4), ".TQN");
  EXPECT_GT(delivered, 0);
  EXPECT_TRUE(fs::exists(companionpath(picture.imagefile)));
  EXPECT_EQ(QImage(QString::fromStdString(companionpath(picture.imagefile))).size(), QSize(1600, 1200));
  EXPECT_EQ(picture.thumbfile, withextension(picture.imagefile, "BMP"));
}

TEST_F(CameraTest, TwoSavesWithinAMinuteReplaceNothing) {
  start("0,104,104,0,0,0\r\n");
  seam.onModal([&](QDialog&) {
    window().Command3()->click();
    window().Command3()->click();
    window().Command2()->click();
  });
  nameThePicture(seam, "ONE");
  nameThePicture(seam, "TWO");
  main->item("Impcam")->trigger();
  const Model& model = main->state().model;
  ASSERT_EQ(model.piccount, 2);
  EXPECT_NE(model.piclist[1].imagefile, model.piclist[2].imagefile);
  EXPECT_EQ(fs::path(model.piclist[2].imagefile).stem().string().size(), 8u);
  EXPECT_TRUE(fs::exists(model.piclist[1].imagefile));
}

TEST_F(CameraTest, AWrongPortIsNamedAndTheWindowStaysClosed) {
  ::setenv("TQSDK_PORT", "2", 1);
  start("1,104,104,0,0,0\r\n");
  main->item("Impcam")->trigger();
  EXPECT_EQ(seam.messages().back(), "Open camera TQ_CameraNotConnected");
  EXPECT_FALSE(main->state().camopen);
  EXPECT_EQ(main->state().model.curalbum, 1) << "the import album was opened";
}

TEST_F(CameraTest, ExitClosesAnOpenSession) {
  start("0,104,104,0,0,0\r\n");
  ASSERT_TRUE(window().activate());
  EXPECT_TRUE(main->state().camopen);
  bool ended = false;
  main->endProgram = [&] { ended = true; };
  seam.answer(ModalSeam::Answer::Ok);
  main->item("Quit")->trigger();
  EXPECT_TRUE(ended);
  EXPECT_FALSE(main->state().camopen);
}

}  // namespace
}  // namespace fotivo::test

// The viewer: loading, zoom, clipboard copy through the shown and the hidden viewer, printing.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QListWidget>
#include <QImage>
#include <QPrinter>
#include <QPrinterInfo>
#include <QtTest/QTest>
#include <cstdlib>

#include "app/image_box.h"
#include "media/print_picture.h"
#include "media/viewpix.h"
#include "tests/media/media_test.h"
#include "tests/media/pdf_placement.h"

namespace fotivo::test {
namespace {

class ViewerTest : public MediaTest {
 protected:
  Viewpix* viewer() const { return main->findChild<Viewpix*>(); }
};

TEST(PrintPosition, CentresTheScaledImageOnThePage) {
  const struct {
    int pageWidth, pageHeight;
    std::int16_t width, height;
    float scale;
    int left, top;
  } cases[] = {
      {2400, 3150, 640, 480, 1.0f, 880, 1335},
      {2400, 3150, 640, 480, 0.5f, 1040, 1455},
      {2400, 3150, 641, 481, 1.0f, 880, 1335},    // halves round to the nearest dot
      {600, 400, 1000, 500, 1.0f, -200, -50},      // larger than the page: overhangs evenly
  };
  for (const auto& c : cases) {
    const PrintPosition at = centredposition(c.pageWidth, c.pageHeight, c.width, c.height, c.scale);
    EXPECT_EQ(at.left, c.left) << c.width << " x " << c.height << " at " << c.scale;
    EXPECT_EQ(at.top, c.top) << c.width << " x " << c.height << " at " << c.scale;
  }
}

TEST_F(ViewerTest, NativePictureIsShownThroughItsJpegCopy) {
  const std::string native = album + "/CAM 0001.TQN", jpeg = album + "/CAM 0001.JPG";
  writeJpeg(jpeg, 64, 48, Qt::red);
  select(addPicture(native));
  recording.onModal([&](QDialog& dialog) {
    auto& shown = static_cast<Viewpix&>(dialog);
    EXPECT_EQ(shown.windowTitle(), QString::fromStdString("View .." + jpeg));
    EXPECT_EQ(shown.Gvbox1()->ImageFile(), QString::fromStdString(jpeg));
    EXPECT_EQ(shown.Gvbox1()->ImageWidth(), 64);
    EXPECT_EQ(shown.Gvbox1()->Zoom(), 1.0f);
    QApplication::setActiveWindow(&shown);
    QTest::keyClick(&shown, Qt::Key_I, Qt::ControlModifier);
    EXPECT_FLOAT_EQ(shown.Gvbox1()->Zoom(), 1.33f);
    QTest::keyClick(&shown, Qt::Key_O, Qt::ControlModifier);
    QTest::keyClick(&shown, Qt::Key_O, Qt::ControlModifier);
    EXPECT_FLOAT_EQ(shown.Gvbox1()->Zoom(), 0.67f);
    shown.close();
  });
  trigger("viewprintpix");
  EXPECT_TRUE(recording.modals.empty());
  EXPECT_EQ(viewer(), nullptr) << "closing the viewer ends it";
}

TEST_F(ViewerTest, CopiesTheWholePictureAndLeavesTheZoomSmallest) {
  // Left half red, right half blue: a cropped copy would lose one of them.
  const std::string file = album + "/HALVES.JPG";
  QImage halves(400, 200, QImage::Format_RGB32);
  halves.fill(Qt::red);
  for (int y = 0; y < 200; ++y)
    for (int x = 200; x < 400; ++x) halves.setPixelColor(x, y, Qt::blue);
  ASSERT_TRUE(halves.save(QString::fromStdString(file), "JPEG"));
  select(addPicture(file));

  trigger("cpytoclip");
  ASSERT_NE(viewer(), nullptr);
  EXPECT_FALSE(viewer()->isVisible()) << "the main window copies through the hidden viewer";
  EXPECT_EQ(viewer()->Gvbox1()->Zoom(), 0.33f);
  const QImage copied = QApplication::clipboard()->image();
  ASSERT_FALSE(copied.isNull());
  EXPECT_NEAR(double(copied.width()) / copied.height(), 2.0, 0.02);
  EXPECT_GT(QColor(copied.pixel(copied.width() / 10, copied.height() / 2)).red(), 200);
  EXPECT_GT(QColor(copied.pixel(copied.width() * 9 / 10, copied.height() / 2)).blue(), 200);

  // Viewing right after the copy opens the loaded viewer at its zoom; copying from the
  // viewer itself leaves the zoom smallest too.
  recording.onModal([&](QDialog& dialog) {
    auto& shown = static_cast<Viewpix&>(dialog);
    EXPECT_EQ(shown.Gvbox1()->Zoom(), 0.33f);
    shown.item("zoomin")->trigger();
    QApplication::clipboard()->clear();
    shown.item("Cpytoclip")->trigger();
    EXPECT_EQ(shown.Gvbox1()->Zoom(), 0.33f);
    EXPECT_FALSE(QApplication::clipboard()->image().isNull());
    shown.close();
  });
  trigger("viewprintpix");
}

TEST_F(ViewerTest, NothingSelectedOrUnreadableIsToldAndNothingIsShown) {
  writeFile(album + "/BROKEN.JPG", "not a picture");
  addPicture(album + "/BROKEN.JPG");
  main->pics()->setCurrentRow(-1);
  trigger("viewprintpix");
  select(1);
  QApplication::clipboard()->setText("kept");
  trigger("cpytoclip");
  trigger("viewprintpix");
  const std::vector<QString> told = recording.messages();
  ASSERT_EQ(told.size(), 3u);
  EXPECT_TRUE(told[0].contains("select a picture"));
  EXPECT_TRUE(told[1].contains("BROKEN.JPG") && told[1].contains("cannot be read"));
  EXPECT_EQ(QApplication::clipboard()->text(), "kept");
}

TEST_F(ViewerTest, PrintsCentredOneDotToOneDot) {
  const std::string file = album + "/PRINT.JPG";
  writeJpeg(file, 640, 480, Qt::darkGreen);
  const QString pdf = QString::fromStdString(path("print.pdf"));
  // Without a printer the user is offered a PDF file instead.
  setenv("CUPS_SERVER", "/nonexistent/cups.sock", 1);
  unsetenv("PRINTER");
  unsetenv("LPDEST");
  if (!QPrinterInfo::defaultPrinter().isNull()) GTEST_SKIP() << "a default printer is set up here";
  select(addPicture(file));
  recording.answer(ModalSeam::Answer::Yes);
  recording.pickFile(pdf);
  int dots = 0;
  recording.onModal([&](QDialog& dialog) {
    auto& shown = static_cast<Viewpix&>(dialog);
    shown.item("zoomin")->trigger();  // the display zoom plays no part in the printout
    shown.item("printpix")->trigger();
    dots = QPrinter().resolution();
    shown.close();
  });
  trigger("viewprintpix");

  ASSERT_EQ(recording.messages().size(), 1u);
  EXPECT_TRUE(recording.messages()[0].contains("No printer"));
  QFile printed(pdf);
  ASSERT_TRUE(printed.open(QIODevice::ReadOnly));
  const std::optional<Placement> placed = imageplacement(printed.readAll());
  ASSERT_TRUE(placed.has_value());
  const double pointsPerDot = 72.0 / dots;
  EXPECT_NEAR(placed->image.width(), 640 * pointsPerDot, 0.01);
  EXPECT_NEAR(placed->image.height(), 480 * pointsPerDot, 0.01);
  // Centred on the page up to the difference of its margins.
  EXPECT_NEAR(placed->image.left() - placed->page.left(), placed->page.right() - placed->image.right(), 2.0);
  EXPECT_NEAR(placed->image.top() - placed->page.top(), placed->page.bottom() - placed->image.bottom(), 2.0);
}

TEST_F(ViewerTest, AFailedPrintIsTold) {
  const std::string file = album + "/PRINT.JPG";
  writeJpeg(file, 64, 48, Qt::darkGreen);
  Viewpix& shown = viewpix(*main);
  ASSERT_TRUE(shown.Load(QString::fromStdString(file)));
  QPrinter unwritable;
  unwritable.setOutputFormat(QPrinter::PdfFormat);
  unwritable.setOutputFileName(QString::fromStdString(path("no such dir/out.pdf")));
  EXPECT_FALSE(shown.printOn(unwritable));
  ASSERT_EQ(recording.messages().size(), 1u);
  EXPECT_TRUE(recording.messages()[0].contains("could not be printed"));
}

}  // namespace
}  // namespace fotivo::test

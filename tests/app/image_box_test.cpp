// The image box: loading, fitting, printing and writing pictures.
#include <QImage>
#include <QImageReader>

#include "app/image_box.h"
#include "tests/support/widget_test.h"

namespace fotivo::test {
namespace {

class ImageBoxTest : public WidgetTest {
 protected:
  // A picture of the given size: red on the left half, blue on the right.
  QString picture(const char* name, const char* format, int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::red);
    for (int y = 0; y < height; ++y)
      for (int x = width / 2; x < width; ++x) image.setPixel(x, y, qRgb(0, 0, 255));
    const QString file = QString::fromStdString(path(name));
    EXPECT_TRUE(image.save(file, format));
    return file;
  }
};

struct Format {
  const char* name;
  const char* file;
  const char* format;
};

class ImageBoxFormatTest : public ImageBoxTest, public ::testing::WithParamInterface<Format> {};

TEST_P(ImageBoxFormatTest, LoadsTheFileAndKeepsTheZoom) {
  const QString file = picture(GetParam().file, GetParam().format, 400, 300);
  ImageBox box;
  EXPECT_EQ(box.Zoom(), 1.0f);
  EXPECT_EQ(box.PrintScale(), 1.0f);
  box.setZoom(2.5f);
  ASSERT_TRUE(box.setImageFile(file));
  EXPECT_EQ(box.ImageFile(), file);
  EXPECT_EQ(box.ImageWidth(), 400);
  EXPECT_EQ(box.ImageHeight(), 300);
  EXPECT_EQ(box.Zoom(), 2.5f);
  EXPECT_EQ(box.sizeHint(), QSize(1000, 750));
}

INSTANTIATE_TEST_SUITE_P(, ImageBoxFormatTest,
                         ::testing::Values(Format{"Jpeg", "A.JPG", "JPEG"},
                                           Format{"Bitmap", "A.BMP", "BMP"},
                                           Format{"Png", "A.png", "PNG"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ImageBoxTest, CurrentPictureFitsTheBoxKeepingTheShape) {
  ImageBox box;
  box.resize(100, 100);
  const std::tuple<int, int, QSize> cases[] = {
      {1600, 1200, {100, 75}}, {300, 600, {50, 100}}, {40, 20, {100, 50}}};
  for (auto [width, height, fitted] : cases) {
    ASSERT_TRUE(box.setImageFile(picture("FIT.JPG", "JPEG", width, height)));
    const QImage shown = box.CurrentPicture();
    EXPECT_EQ(shown.size(), fitted) << width << "x" << height;
    EXPECT_GT(qRed(shown.pixel(2, shown.height() / 2)), 200);
    EXPECT_GT(qBlue(shown.pixel(shown.width() - 3, shown.height() / 2)), 200);
  }
}

TEST_F(ImageBoxTest, AnUnreadableFileLeavesNoPicture) {
  writeFile(libraryDir() / "BROKEN.JPG", "not a picture");
  ImageBox box;
  box.resize(100, 100);
  for (const char* name : {"BROKEN.JPG", "MISSING.JPG"}) {
    EXPECT_FALSE(box.setImageFile(QString::fromStdString(path(name)))) << name;
    EXPECT_EQ(box.ImageWidth(), 0);
    EXPECT_TRUE(box.CurrentPicture().isNull());
    EXPECT_FALSE(box.SaveAsJpeg(QString::fromStdString(path("OUT.JPG"))));
  }
  EXPECT_FALSE(std::filesystem::exists(libraryDir() / "OUT.JPG"));
}

TEST_F(ImageBoxTest, PrintsAtItsPositionAndScale) {
  ImageBox box;
  ASSERT_TRUE(box.setImageFile(picture("P.BMP", "BMP", 40, 20)));
  box.setPrintLeft(50);
  box.setPrintTop(60);
  QImage page(200, 200, QImage::Format_RGB32);
  page.fill(Qt::white);
  ASSERT_TRUE(box.PrintToDevice(&page));
  EXPECT_EQ(page.pixel(50, 60), qRgb(255, 0, 0));
  EXPECT_EQ(page.pixel(89, 79), qRgb(0, 0, 255));
  EXPECT_EQ(page.pixel(49, 60), qRgb(255, 255, 255));
  EXPECT_EQ(page.pixel(50, 59), qRgb(255, 255, 255));
  EXPECT_EQ(page.pixel(90, 70), qRgb(255, 255, 255));
  EXPECT_EQ(page.pixel(70, 80), qRgb(255, 255, 255));
}

TEST_F(ImageBoxTest, SaveAsJpegWritesTheWholePicture) {
  ImageBox box;
  box.resize(100, 100);
  ASSERT_TRUE(box.setImageFile(picture("SCAN.BMP", "BMP", 640, 480)));
  const QString out = QString::fromStdString(path("SCAN.JPG"));
  ASSERT_TRUE(box.SaveAsJpeg(out));
  QImageReader reader(out);
  EXPECT_EQ(reader.format(), "jpeg");
  EXPECT_EQ(reader.size(), QSize(640, 480));
  EXPECT_EQ(readFile(libraryDir() / "SCAN.JPG").substr(0, 2), "\xFF\xD8");
}

}  // namespace
}  // namespace fotivo::test

// Acquiring a picture from SANE's test scanner into the import album.
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <cstdlib>

#include "albums/addcatfm.h"
#include "app/main_window.h"
#include "app/outline.h"
#include "library/paths.h"
#include "media/acquire.h"
#include "platform/twain/twain.h"
#include "tests/support/widget_test.h"

namespace fotivo::test {
namespace {

namespace fs = std::filesystem;

// The program with the test scanner as its only source; the album HOLIDAY is open.
class AcquireTest : public WidgetTest {
 protected:
  void SetUp() override {
    ::setenv("SANE_CONFIG_DIR", FOTIVO_SANE_CONFIG, 1);  // read when SANE first starts
    WidgetTest::SetUp();
    fs::create_directories(libraryDir() / "HOLIDAY");
    fs::create_directories(libraryDir() / "TEMP");
    const std::string dir = libraryDir().string();
    writeFile(libraryDir() / "LIBIDX.IDX", "#TRUE#,\"Main\",\"\",\"" + dir + "\"\r\n#FALSE#,\"HOLIDAY\",\"\",\"" +
                                               dir + "/HOLIDAY\"\r\n#FALSE#,\"TEMP\",\"\",\"" + dir + "/TEMP\"\r\n");
    main = std::make_unique<Main>(seam);
    main->startup();
    main->catagory()->setExpanded(1, true);
  }
  void TearDown() override {
    main.reset();
    WidgetTest::TearDown();
  }
  std::unique_ptr<Main> main;
};

TEST_F(AcquireTest, AScanLandsInTempAsJpegWithABitmapThumbnailAndARecord) {
  seam.onModal([](QDialog& dialog) {
    auto& form = static_cast<Addcatfm&>(dialog);
    EXPECT_EQ(form.windowTitle(), "Twain Import");
    form.addname()->setText("PAGE");
    form.addcomt()->setPlainText("First scan");
    form.addcatbt()->click();
  });
  Aquire(*main);
  const Model& model = main->state().model;
  EXPECT_EQ(model.curalbum, 2) << "TEMP is the open album";
  ASSERT_EQ(model.piccount, 1);
  const picentry& picture = model.piclist[1];
  EXPECT_EQ(picture.name, "PAGE");
  EXPECT_EQ(picture.imagefile, path("TEMP/" + main->state().stampname + ".JPG"));
  EXPECT_EQ(picture.thumbfile, withextension(picture.imagefile, "bmp"));
  EXPECT_FALSE(QImage(QString::fromStdString(picture.imagefile)).isNull());
  const QImage thumb(QString::fromStdString(picture.thumbfile));
  EXPECT_LE(thumb.width(), 101) << "the thumbnail replaced the scan";
  EXPECT_EQ(readFile(libraryDir() / "TEMP" / "PHOTOIDX.IDX"),
            "\"PAGE\",\"First scan\",\"" + picture.imagefile + "\",\"" + picture.thumbfile + "\"\r\n");
  EXPECT_EQ(main->pics()->count(), 1);
}

TEST_F(AcquireTest, AFailedScanLeavesTempOpenAndAddsNothing) {
  // A scanner that cannot write its file: the import album's directory is gone.
  fs::remove_all(libraryDir() / "TEMP");
  Aquire(*main);
  EXPECT_EQ(main->state().model.curalbum, 2);
  EXPECT_EQ(main->state().model.piccount, 0);
  EXPECT_TRUE(seam.modals.empty());
}

TEST_F(AcquireTest, ACancelledDialogKeepsTheFilesAndASecondScanGetsItsOwnName) {
  seam.onModal([](QDialog& dialog) { static_cast<Addcatfm&>(dialog).addcancel()->click(); });
  Aquire(*main);
  const std::string first = main->state().stampname;
  EXPECT_EQ(main->state().model.piccount, 0);
  EXPECT_FALSE(fs::exists(libraryDir() / "TEMP" / "PHOTOIDX.IDX"));
  const QImage thumb(QString::fromStdString(path("TEMP/" + first + ".bmp")));
  EXPECT_FALSE(thumb.isNull());
  EXPECT_LE(thumb.width(), 101) << "the thumbnail replaced the scan";
  EXPECT_TRUE(fs::exists(libraryDir() / "TEMP" / (first + ".JPG")));

  seam.onModal([](QDialog& dialog) {
    auto& form = static_cast<Addcatfm&>(dialog);
    form.addname()->setText("SECOND");
    form.addcatbt()->click();
  });
  Aquire(*main);
  ASSERT_EQ(main->state().model.piccount, 1);
  EXPECT_NE(main->state().stampname, first);
  EXPECT_EQ(main->state().model.piclist[1].imagefile, path("TEMP/" + main->state().stampname + ".JPG"));
  EXPECT_TRUE(fs::exists(libraryDir() / "TEMP" / (first + ".JPG"))) << "the earlier scan was replaced";
}

TEST_F(AcquireTest, TheSourceIsChosenFromTheList) {
  seam.onModal([](QDialog& dialog) {
    auto& sources = *static_cast<SourceDialog&>(dialog).sources();
    EXPECT_EQ(sources.count(), 2);
    sources.setCurrentRow(1);
    dialog.accept();
  });
  seltwain(*main);
  EXPECT_EQ(chosenSource(), "test:1");
  EXPECT_TRUE(seam.messages().empty());
}

TEST_F(AcquireTest, AChoiceThatCannotBeSavedHoldsForThisRunAndIsReported) {
  // A file where the configuration directory should be.
  const fs::path blocked = libraryDir() / "blocked";
  writeFile(blocked, "");
  ::setenv("XDG_CONFIG_HOME", blocked.c_str(), 1);
  seam.onModal([](QDialog& dialog) {
    static_cast<SourceDialog&>(dialog).sources()->setCurrentRow(1);
    dialog.accept();
  });
  seltwain(*main);
  EXPECT_EQ(chosenSource(), "test:1");
  ASSERT_EQ(seam.messages().size(), 1u);
  EXPECT_TRUE(seam.messages()[0].contains("SCANNER.INI")) << seam.messages()[0].toStdString();
}

}  // namespace
}  // namespace fotivo::test

// SANE's test backend loses a buffer of its own on some scans; the font
// cache is kept for the life of the process, as in every widget test.
extern "C" const char* __lsan_default_suppressions() {
  return "leak:libsane-test.so\nleak:libfontconfig.so\n";
}

// The album and picture dialog in its six modes.
#include <QImage>
#include <QLabel>

#include "tests/albums/albums_fixture.h"

namespace fotivo::test {
namespace {

namespace fs = std::filesystem;

struct ModeCase {
  const char* name;
  int mode;
  QString label;
  bool nameEnabled;
  QString button;
  bool nameEmptied, commentEmptied;
  QString title;  // empty: the caller's title stays
  bool pictureShown;
};

class DialogModes : public AlbumsTest, public ::testing::WithParamInterface<ModeCase> {};

TEST_P(DialogModes, PreparesItsFields) {
  const ModeCase& c = GetParam();
  start();
  QImage(40, 30, QImage::Format_RGB32).save(QString::fromStdString(path("TEMP/P.JPG")), "JPEG");
  QImage(40, 30, QImage::Format_RGB32).save(QString::fromStdString(path("TEMP/12091023.bmp")), "BMP");
  main->state().importsrc = c.mode == 6 ? path("TEMP/12091023.JPG") : path("TEMP/P.JPG");
  Addcatfm& dialog = addcatfm(*main);
  dialog.addname()->setText("kept");
  dialog.addcomt()->setPlainText("kept too");
  dialog.setWindowTitle("Caller's title");
  main->state().dlgmode = c.mode;
  main->state().dlgok = false;
  seam.onModal([&](QDialog&) {
    EXPECT_EQ(dialog.Label1()->text(), c.label);
    EXPECT_EQ(dialog.addname()->isEnabled(), c.nameEnabled);
    EXPECT_EQ(dialog.addcatbt()->text(), c.button);
    EXPECT_EQ(dialog.addname()->text().isEmpty(), c.nameEmptied);
    EXPECT_EQ(dialog.addcomt()->toPlainText().isEmpty(), c.commentEmptied);
    EXPECT_EQ(dialog.windowTitle(), c.title.isEmpty() ? "Caller's title" : c.title);
    EXPECT_EQ(dialog.Picture1()->isVisible(), c.pictureShown);
    EXPECT_EQ(dialog.addname()->maxLength(), 12);
    dialog.close();  // the window frame acts as Cancel
  });
  main->seam().showModal(dialog);
  EXPECT_FALSE(main->state().dlgok);
  EXPECT_FALSE(dialog.Picture1()->isVisible());
}

INSTANTIATE_TEST_SUITE_P(
    Albums, DialogModes,
    ::testing::Values(
        ModeCase{"AddAlbum", 1, "Album name (8 characters)", true, "Add", true, true, "", false},
        ModeCase{"EditAlbum", 2, "Album name (8 characters)", false, "Change", false, false, "Edit Album", false},
        ModeCase{"ImportPicture", 3, "Picture name (8 characters)", true, "Import", true, true, "", true},
        ModeCase{"CreateLibrary", 4, "Library name (8 characters)", false, "OK", false, true, "", false},
        ModeCase{"EditPicture", 5, "Picture name (8 characters)", true, "Change", false, false,
                 "Edit picture comment", true},
        ModeCase{"ScannerImport", 6, "Picture name (8 characters)", true, "Import", true, true, "", true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(AlbumsTest, AnEmptyNameKeepsTheDialogOpenButASpaceIsAName) {
  start();
  Addcatfm& dialog = addcatfm(*main);
  main->state().dlgmode = 5;
  main->state().dlgok = false;
  seam.onModal([&](QDialog&) {
    dialog.addname()->clear();
    dialog.addcatbt()->click();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_FALSE(main->state().dlgok);
    dialog.addname()->setText(" ");
    dialog.addcatbt()->click();
  });
  main->seam().showModal(dialog);
  EXPECT_EQ(seam.messages(), std::vector<QString>{"You must define a catagory !"});
  EXPECT_TRUE(main->state().dlgok);
}

TEST_F(AlbumsTest, DoubleQuotesStayOutOfNamesAndComments) {
  start();
  Addcatfm& dialog = addcatfm(*main);
  main->state().dlgmode = 1;
  seam.onModal([&](QDialog&) {
    dialog.addname()->setText("A\"B");
    dialog.addcatbt()->click();
    EXPECT_TRUE(dialog.isVisible());
    dialog.addname()->setText("AB");
    dialog.addcomt()->setPlainText("say \"cheese\"");
    dialog.addcatbt()->click();
    EXPECT_TRUE(dialog.isVisible());
    dialog.addcomt()->setPlainText(QString(70, 'x'));
    EXPECT_EQ(dialog.addcomt()->toPlainText().size(), 60);
    dialog.addcatbt()->click();
  });
  main->seam().showModal(dialog);
  EXPECT_EQ(seam.messages().size(), 2u);
  EXPECT_TRUE(main->state().dlgok);
}

TEST_F(AlbumsTest, ImportPreviewShowsTheJpegCopyOfANativePicture) {
  start();
  QImage jpeg(300, 200, QImage::Format_RGB32);
  jpeg.fill(Qt::red);
  jpeg.save(QString::fromStdString(path("TEMP/P.JPG")), "JPEG");
  writeFile(libraryDir() / "TEMP" / "P.TQN", "native bytes");
  main->state().importsrc = path("TEMP/P.TQN");
  main->state().dlgmode = 3;
  cancelDialog();
  main->seam().showModal(addcatfm(*main));
  const QImage shown = addcatfm(*main).picture();
  ASSERT_FALSE(shown.isNull());
  EXPECT_NEAR(shown.width(), 100, 2) << "a thumbnail of about 100 x 100";
  EXPECT_LE(shown.height(), 100);
  EXPECT_GT(qRed(shown.pixel(shown.width() / 2, shown.height() / 2)), 200);
}

TEST_F(AlbumsTest, ScannerModeTurnsTheScanIntoAJpegAndAThumbnail) {
  start();
  QImage scan(640, 480, QImage::Format_RGB888);
  scan.fill(Qt::blue);
  ASSERT_TRUE(scan.save(QString::fromStdString(path("TEMP/12091023.bmp")), "BMP"));
  main->state().importsrc = path("TEMP/12091023.JPG");
  main->state().dlgmode = 6;
  confirmDialog("SCAN");
  main->seam().showModal(addcatfm(*main));
  QImage jpeg(QString::fromStdString(path("TEMP/12091023.JPG")));
  EXPECT_EQ(jpeg.size(), QSize(640, 480));
  QImage thumb(QString::fromStdString(path("TEMP/12091023.bmp")));
  ASSERT_FALSE(thumb.isNull());
  EXPECT_LE(thumb.width(), 101) << "the scan itself was replaced by its thumbnail";
  EXPECT_TRUE(main->state().dlgok);
}

TEST_F(AlbumsTest, AnUnreadableScanIsKeptAndTheDialogCloses) {
  start();
  writeFile(libraryDir() / "TEMP" / "X.bmp", "not a bitmap");
  main->state().importsrc = path("TEMP/X.JPG");
  main->state().dlgmode = 6;
  main->state().dlgok = false;
  seam.onModal([](QDialog& dialog) { dialog.reject(); });
  main->seam().showModal(addcatfm(*main));
  EXPECT_EQ(readFile(libraryDir() / "TEMP" / "X.bmp"), "not a bitmap");
  EXPECT_FALSE(fs::exists(libraryDir() / "TEMP" / "X.JPG"));
  EXPECT_FALSE(main->state().dlgok);
}

}  // namespace
}  // namespace fotivo::test

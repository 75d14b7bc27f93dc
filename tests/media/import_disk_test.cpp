// "From Disk" into the TEMP album of a new installation, with real picture files.
#include <QAction>
#include <QImage>
#include <QImageReader>
#include <QListWidget>
#include <QTableWidget>
#include <filesystem>

#include "media/import_disk.h"
#include "tests/albums/albums_fixture.h"

namespace fotivo::test {
namespace {

namespace fs = std::filesystem;

class ImportDiskTest : public AlbumsTest {
 protected:
  void SetUp() override {
    AlbumsTest::SetUp();
    start();
    main->openEntry(1);  // TEMP
    album = model().liblist[1].dir;
    fs::create_directory(libraryDir() / "pics");
  }
  // A JPEG outside the library.
  std::string picture(const std::string& name, int width = 320, int height = 240) {
    const std::string path = (libraryDir() / "pics" / name).string();
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::blue);
    EXPECT_TRUE(image.save(QString::fromStdString(path), "JPG"));
    return path;
  }
  // Picks file in the file dialog and confirms the album dialog with name and comment.
  void pick(const std::string& file, const QString& name = "NAME", const QString& comment = "a comment") {
    seam.pickFile(QString::fromStdString(file));
    confirmDialog(name, comment);
  }
  std::vector<picentry> records() {
    Model copy;
    copy.albumdir = album;
    EXPECT_TRUE(picload(copy).empty());
    return {copy.piclist.begin() + 1, copy.piclist.begin() + 1 + copy.piccount};
  }
  std::size_t filesInAlbum() {
    return std::distance(fs::directory_iterator(album), fs::directory_iterator());
  }

  std::string album;
};

TEST_F(ImportDiskTest, ImportCopiesThePictureWritesItsThumbnailAndAppendsTheRecord) {
  pick(picture("FIRST.JPG"), "FIRST");
  importpix(*main);
  const std::string source = picture("PHOTO.JPG");
  pick(source, "SUMMER", "by the sea");
  importpix(*main);

  EXPECT_EQ(seam.shown.back().title, "Import . . PHOTO.JPG");
  EXPECT_EQ(seam.shown.back().kind, ScriptedSeam::Kind::Modal);
  EXPECT_EQ(readFile(album + "/PHOTO.JPG"), readFile(source));
  QImageReader thumbnail(QString::fromStdString(album + "/PHOTO.THB"));
  EXPECT_EQ(thumbnail.format(), "bmp");
  EXPECT_LE(std::max(thumbnail.size().width(), thumbnail.size().height()), 100);
  const auto pictures = records();
  ASSERT_EQ(pictures.size(), 2u);
  EXPECT_EQ(pictures[1].name, "SUMMER");
  EXPECT_EQ(pictures[1].comment, "by the sea");
  EXPECT_EQ(pictures[1].imagefile, album + "/PHOTO.JPG");
  EXPECT_EQ(pictures[1].thumbfile, album + "/PHOTO.THB");
  EXPECT_EQ(main->pics()->count(), 2);
  EXPECT_EQ(main->pics()->currentRow(), 0);
  EXPECT_EQ(main->state().importsrc, source);
}

TEST_F(ImportDiskTest, ThumbnailNameEndsAtTheFirstDot) {
  const struct {
    const char* file;
    const char* thumbnail;
  } cases[] = {{"MY.PIC.JPG", "MY.THB"}, {"NODOT", "NODOT.THB"}, {"lower.jpg", "lower.THB"}};
  for (const auto& c : cases) {
    pick(picture(c.file));
    importpix(*main);
    EXPECT_TRUE(fs::exists(album + "/" + c.thumbnail)) << c.file;
    EXPECT_EQ(model().piclist[model().piccount].thumbfile, album + "/" + c.thumbnail);
  }
}

TEST_F(ImportDiskTest, DuplicateNameIsAskedAgainUntilItNamesNoFileOfTheAlbum) {
  const std::string source = picture("PHOTO.JPG");
  writeFile(album + "/PHOTO.JPG", "the first photo");
  writeFile(album + "/OTHER.JPG", "another photo");
  writeFile(album + "/PIC3.THB", "another thumbnail");
  pick(source);
  for (const char* answer : {"PHOTO.JPG", "OTHER.JPG", "PIC3.JPG", "PHOTO2.JPG"}) seam.type(answer);
  importpix(*main);

  std::vector<QString> prompts;
  for (const auto& shown : seam.shown)
    if (shown.kind == ScriptedSeam::Kind::Input) {
      prompts.push_back(shown.text);
      EXPECT_EQ(shown.title, "Dupicate file");
    }
  EXPECT_EQ(prompts, (std::vector<QString>{
                         "There is already a file named PHOTO.JPG in the Album. Please rename it.",
                         "There is already a file named PHOTO.JPG in the Album. Please rename it.",
                         "There is already a file named OTHER.JPG in the Album. Please rename it.",
                         "There is already a file named PIC3.THB in the Album. Please rename it.",
                     }));
  EXPECT_EQ(readFile(album + "/PHOTO.JPG"), "the first photo");
  EXPECT_EQ(readFile(album + "/OTHER.JPG"), "another photo");
  EXPECT_EQ(readFile(album + "/PHOTO2.JPG"), readFile(source));
  EXPECT_TRUE(fs::exists(album + "/PHOTO2.THB"));
  EXPECT_EQ(records().back().imagefile, album + "/PHOTO2.JPG");
}

TEST_F(ImportDiskTest, CancellingAtEachQuestionWritesNothingAndSelectsTheFirstPicture) {
  pick(picture("KEEP.JPG"));
  importpix(*main);
  const std::string before = readFile(album + "/PHOTOIDX.IDX");
  const std::size_t files = filesInAlbum();
  main->item("viewthumb")->trigger();
  main->state().thumbfirst = 5;

  const std::string source = picture("KEEP2.JPG");
  writeFile(album + "/KEEP2.JPG", "already there");
  const std::function<void()> cancels[] = {
      [] {},  // the file dialog
      [&] {
        seam.pickFile(QString::fromStdString(source));
        cancelDialog();
      },
      [&] {
        pick(source);
        seam.type("");  // the rename question
      },
  };
  for (const auto& cancel : cancels) {
    main->pics()->setCurrentRow(-1);
    cancel();
    importpix(*main);
    EXPECT_EQ(readFile(album + "/PHOTOIDX.IDX"), before);
    EXPECT_EQ(filesInAlbum(), files + 1);
    EXPECT_EQ(main->pics()->currentRow(), 0);
    EXPECT_EQ(main->state().thumbfirst, 1);
    EXPECT_EQ(main->Grid1()->currentColumn(), 1);
  }
}

TEST_F(ImportDiskTest, RefusalsLeaveTheAlbumAsItWas) {
  main->openEntry(0);
  model().curalbum = 0;
  importpix(*main);
  EXPECT_EQ(seam.messages(), std::vector<QString>{"You must open an Album to recieve the import !"});
  EXPECT_EQ(seam.shown.back().title, "Where to Import");
  EXPECT_EQ(seam.shown.size(), 1u);

  main->openEntry(1);
  model().piccount = piccapacity;
  seam.shown.clear();
  importpix(*main);
  ASSERT_EQ(seam.shown.size(), 1u);  // no file dialog
  EXPECT_EQ(seam.shown[0].kind, ScriptedSeam::Kind::Message);
}

TEST_F(ImportDiskTest, AFileThatIsNoPictureIsReportedAndLeavesNoFile) {
  const std::string notes = (libraryDir() / "pics" / "NOTES.TXT").string();
  writeFile(notes, "not a picture");
  pick(notes);
  importpix(*main);
  ASSERT_EQ(seam.messages().size(), 1u);
  EXPECT_EQ(filesInAlbum(), 0u);
  EXPECT_EQ(model().piccount, 0);
}

}  // namespace
}  // namespace fotivo::test

// The picture menu's operations on real album directories: details, comment, delete, copy.
#include <QAction>
#include <QLabel>
#include <QRegularExpression>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <filesystem>

#include "albums/listform.h"
#include "albums/picture_ops.h"
#include "albums/thumb_window.h"
#include "app/outline.h"
#include "tests/albums/albums_fixture.h"

namespace fotivo::test {
namespace {

namespace fs = std::filesystem;

class PictureOpsTest : public AlbumsTest {
 protected:
  void SetUp() override {
    AlbumsTest::SetUp();
    start();
  }

  // A new album right after the main library's header; returns its directory.
  std::string addAlbum(const std::string& name) {
    const std::string dir = model().homedir + "/" + name;
    fs::create_directory(dir);
    insertentry(model(), 1, {false, name, name + " pictures", dir});
    EXPECT_TRUE(savelib(model(), model().homedir + libidxname, 0).empty());
    main->catrefresh();
    return dir;
  }
  int row(const std::string& name) {
    for (int p = 0; p <= model().liblast; ++p)
      if (model().liblist[p].name == name) return p;
    return -1;
  }
  void open(const std::string& name) { main->openEntry(row(name)); }

  // Pictures P1..Pn in the open album, with their thumbnails; native ones as .TQN with a
  // JPEG companion. The first row ends up selected.
  void addPictures(int n, bool native = false) {
    for (int k = 1; k <= n; ++k) {
      const std::string base = model().albumdir + "/P" + std::to_string(k);
      const std::string image = base + (native ? ".TQN" : ".JPG");
      writeFile(image, "picture " + std::to_string(k));
      if (native) writeFile(base + ".JPG", "companion " + std::to_string(k));
      QImage thumbnail(8, 6, QImage::Format_RGB32);
      thumbnail.fill(Qt::darkGreen);
      thumbnail.save(QString::fromStdString(base + ".BMP"), "BMP");
      model().piclist[++model().piccount] = {"P" + std::to_string(k), "comment " + std::to_string(k), image,
                                             base + ".BMP"};
    }
    ASSERT_TRUE(main->savepic());
    main->picrefresh();
    main->pics()->setCurrentRow(0);
  }
  // The records of dir's PHOTOIDX.IDX.
  std::vector<picentry> records(const std::string& dir) {
    Model album;
    album.albumdir = dir;
    EXPECT_TRUE(picload(album).empty());
    return {album.piclist.begin() + 1, album.piclist.begin() + 1 + album.piccount};
  }
  std::vector<std::string> names(const std::vector<picentry>& pictures) {
    std::vector<std::string> result;
    for (const picentry& p : pictures) result.push_back(p.name);
    return result;
  }
  // "Copy picture to another album" of the selected picture onto the row of target.
  void copyTo(const std::string& target) {
    const int p = row(target);
    seam.onModal([p](QDialog& dialog) {
      auto& form = static_cast<Listform&>(dialog);
      emit form.listlist()->itemClicked(form.listlist()->item(p));
    });
    cpixtoalbum(*main);
  }
};

TEST_F(PictureOpsTest, DeletingPictureThreeOfFive) {
  const std::string dir = addAlbum("HOLIDAY");
  open("HOLIDAY");
  addPictures(5);
  main->pics()->setCurrentRow(2);
  seam.answer(ModalSeam::Answer::Ok);
  delpix(*main);
  EXPECT_EQ(seam.shown[0].text, "Do you want to delete P3?");
  EXPECT_EQ(seam.shown[0].title, "Delete picture ?");
  EXPECT_EQ(seam.shown[0].buttons, ModalSeam::Buttons::OkCancel);
  EXPECT_FALSE(fs::exists(dir + "/P3.JPG"));
  EXPECT_FALSE(fs::exists(dir + "/P3.BMP"));
  EXPECT_TRUE(fs::exists(dir + "/P4.JPG"));
  EXPECT_EQ(names(records(dir)), (std::vector<std::string>{"P1", "P2", "P4", "P5"}));
  EXPECT_EQ(model().piclist[3].imagefile, dir + "/P4.JPG");
  EXPECT_EQ(main->pics()->count(), 4);
  EXPECT_EQ(main->pics()->currentRow(), 0);
}

TEST_F(PictureOpsTest, DeletingTheOnlyNativePictureRemovesItsThreeFilesAndTheIndex) {
  const std::string dir = addAlbum("HOLIDAY");
  open("HOLIDAY");
  addPictures(1, true);
  seam.answer(ModalSeam::Answer::Ok);
  delpix(*main);
  for (const char* file : {"/P1.TQN", "/P1.JPG", "/P1.BMP", "/PHOTOIDX.IDX"}) EXPECT_FALSE(fs::exists(dir + file)) << file;
  EXPECT_EQ(model().piccount, 0);
  EXPECT_EQ(main->pics()->currentRow(), -1);
}

TEST_F(PictureOpsTest, DeletingAPictureWhoseFilesAreGoneStillRemovesItsRecord) {
  const std::string dir = addAlbum("HOLIDAY");
  open("HOLIDAY");
  addPictures(2);
  fs::remove(dir + "/P1.JPG");
  fs::remove(dir + "/P1.BMP");
  seam.answer(ModalSeam::Answer::Ok);
  delpix(*main);
  EXPECT_EQ(seam.messages().size(), 1u);  // only the question
  EXPECT_EQ(names(records(dir)), (std::vector<std::string>{"P2"}));
}

TEST_F(PictureOpsTest, CancelledDeleteKeepsEverythingAndTurnsTheStripToPageOne) {
  const std::string dir = addAlbum("HOLIDAY");
  open("HOLIDAY");
  addPictures(8);
  main->item("viewthumb")->trigger();
  main->pics()->setCurrentRow(7);
  ASSERT_EQ(main->state().thumbfirst, 8);
  seam.answer(ModalSeam::Answer::Cancel);
  delpix(*main);
  EXPECT_EQ(records(dir).size(), 8u);
  EXPECT_TRUE(fs::exists(dir + "/P8.JPG"));
  EXPECT_EQ(main->pics()->currentRow(), 0);
  EXPECT_EQ(main->state().thumbfirst, 1);
  EXPECT_EQ(main->Grid1()->item(1, 1)->text(), "P1");
  EXPECT_EQ(main->Grid1()->currentColumn(), 1);
}

TEST_F(PictureOpsTest, EditCommentsChangesOnlyTheComment) {
  const std::string dir = addAlbum("HOLIDAY");
  open("HOLIDAY");
  addPictures(2);
  main->pics()->setCurrentRow(1);
  seam.onModal([](QDialog& dialog) {
    auto& form = static_cast<Addcatfm&>(dialog);
    EXPECT_EQ(form.addname()->text(), "P2");
    EXPECT_EQ(form.addcomt()->toPlainText(), "comment 2");
    EXPECT_FALSE(form.picture().isNull());  // the picture's thumbnail
    form.addname()->setText("RENAMED");
    form.addcomt()->setPlainText("new words");
    form.addcatbt()->click();
  });
  ephotocmt(*main);
  EXPECT_EQ(seam.shown[0].title, "Edit picture comment");
  const auto after = records(dir);
  EXPECT_EQ(after[1].name, "P2");
  EXPECT_EQ(after[1].comment, "new words");
  EXPECT_EQ(main->pics()->item(1)->text(), "P2  << new words  >>");

  fs::remove(dir + "/PHOTOIDX.IDX");
  cancelDialog();
  ephotocmt(*main);  // nothing selected after the rebuild: asks for a selection
  main->pics()->setCurrentRow(0);
  cancelDialog();
  ephotocmt(*main);
  EXPECT_FALSE(fs::exists(dir + "/PHOTOIDX.IDX"));
}

TEST_F(PictureOpsTest, PictureInfoShowsTheFileAndSaysWhenItIsMissing) {
  const std::string dir = addAlbum("HOLIDAY");
  open("HOLIDAY");
  addPictures(2, true);
  displaypix(*main);
  Thumb& window = thumb(*main);
  EXPECT_TRUE(window.isVisible());
  EXPECT_EQ(window.windowTitle(), "Detail for ..P1");
  EXPECT_EQ(window.comment()->text(), "comment 1");
  EXPECT_EQ(window.location()->text(), QString::fromStdString(dir + "/P1.TQN + JPG"));
  EXPECT_EQ(window.size()->text(), "< Size > 9");  // the native file, not its companion
  EXPECT_TRUE(window.date()->text().contains(QRegularExpression("^< Date/Time > \\d\\d/\\d\\d/\\d\\d \\d\\d:\\d\\d:\\d\\d [AP]M$")));
  EXPECT_EQ(window.thumbpath()->text(), QString::fromStdString(dir + "/P1.BMP"));
  EXPECT_FALSE(window.Picture1()->pixmap().isNull());

  fs::remove(dir + "/P2.TQN");
  main->pics()->setCurrentRow(1);
  displaypix(*main);
  EXPECT_EQ(&thumb(*main), &window);  // refilled, not a second window
  EXPECT_EQ(window.size()->text(), "< Size > the file is missing");
  EXPECT_EQ(window.date()->text(), "< Date/Time > the file is missing");
}

TEST_F(PictureOpsTest, CopyingTwiceGivesTwoRecordsForTheSameFiles) {
  const std::string from = addAlbum("HOLIDAY");
  const std::string to = addAlbum("WORK");
  open("HOLIDAY");
  addPictures(2, true);
  main->pics()->setCurrentRow(1);
  copyTo("WORK");
  ASSERT_EQ(seam.shown[0].title, "Copy picture");
  copyTo("WORK");
  EXPECT_TRUE(seam.messages().empty());
  for (const char* file : {"/P2.TQN", "/P2.JPG", "/P2.BMP"})
    EXPECT_EQ(readFile(to + file), readFile(from + file)) << file;
  const auto copied = records(to);
  ASSERT_EQ(copied.size(), 2u);
  EXPECT_EQ(copied[1].name, "P2");
  EXPECT_EQ(copied[1].comment, "comment 2");
  EXPECT_EQ(copied[1].imagefile, to + "/P2.TQN");
  EXPECT_EQ(copied[1].thumbfile, to + "/P2.BMP");
  EXPECT_EQ(model().piccount, 2);  // the open album is untouched
}

TEST_F(PictureOpsTest, CopyListsEveryEntryAndRefusesTargetsThatShowNoCopy) {
  addAlbum("AB");
  const std::string abc = addAlbum("ABC");
  open("ABC");
  addPictures(1);
  QStringList rows;
  seam.onModal([&rows](QDialog& dialog) {
    auto& form = static_cast<Listform&>(dialog);
    EXPECT_FALSE(form.Command1()->isVisibleTo(&form));
    for (int i = 0; i < form.listlist()->count(); ++i) rows << form.listlist()->item(i)->text();
    form.listcancel()->click();
  });
  cpixtoalbum(*main);
  EXPECT_EQ(rows, QStringList({"<< Library .. Main >>", "   ABC .. ABC pictures", "   AB .. AB pictures",
                               "   TEMP ..  Work in process"}));

  const struct {
    std::string target;
    QString message;
  } refused[] = {
      {"ABC", "You can not copy a picture to the same Album. "},
      {"Main", "A picture can only be copied into an album. Please choose an album, not a library."},
  };
  for (const auto& c : refused) {
    seam.shown.clear();
    copyTo(c.target);
    EXPECT_EQ(seam.messages(), std::vector<QString>{c.message}) << c.target;
  }
  copyTo("AB");  // a directory that begins the picture's path is still another album
  EXPECT_EQ(records(model().homedir + "/AB").size(), 1u);
}

TEST_F(PictureOpsTest, CopyNeverReplacesAnotherPictureNorOverfillsAnAlbum) {
  const std::string work = addAlbum("WORK");
  const std::string full = addAlbum("FULL");
  addAlbum("HOLIDAY");
  open("HOLIDAY");
  addPictures(1);
  writeFile(work + "/P1.JPG", "another picture");
  copyTo("WORK");
  EXPECT_EQ(readFile(work + "/P1.JPG"), "another picture");
  EXPECT_FALSE(fs::exists(work + "/PHOTOIDX.IDX"));
  ASSERT_EQ(seam.messages().size(), 1u);

  Model album;
  album.albumdir = full;
  album.piccount = piccapacity;
  for (int p = 1; p <= piccapacity; ++p) album.piclist[p] = {"X", "", full + "/X.JPG", full + "/X.BMP"};
  ASSERT_TRUE(savepic(album).empty());
  copyTo("FULL");
  EXPECT_EQ(seam.messages().size(), 2u);
  EXPECT_FALSE(fs::exists(full + "/P1.JPG"));
  EXPECT_FALSE(fs::exists(full + "/P1.BMP"));
}

}  // namespace
}  // namespace fotivo::test

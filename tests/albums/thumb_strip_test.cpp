// The thumbnail strip following the picture list, its paging buttons and the pop-up menu.
#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QTableWidget>
#include <QTest>

#include "app/outline.h"
#include "tests/albums/albums_fixture.h"

namespace fotivo::test {
namespace {

// An album PICS of n pictures with small thumbnails, opened with the strip shown.
class StripTest : public AlbumsTest {
 protected:
  void open(int n) {
    std::filesystem::create_directories(libraryDir() / "PICS");
    std::filesystem::create_directories(libraryDir() / "TEMP");
    const std::string dir = libraryDir().string();
    writeFile(libraryDir() / "LIBIDX.IDX", "#TRUE#,\"Main\",\"\",\"" + dir + "\"\r\n#FALSE#,\"PICS\",\"\",\"" +
                                               dir + "/PICS\"\r\n#FALSE#,\"TEMP\",\"\",\"" + dir + "/TEMP\"\r\n");
    std::string index;
    for (int p = 1; p <= n; ++p) {
      const std::string name = "P" + std::to_string(p);
      QImage thumb(80, 60, QImage::Format_RGB888);
      thumb.fill(Qt::green);
      thumb.save(QString::fromStdString(path("PICS/" + name + ".THB")), "BMP");
      index += "\"" + name + "\",\"\",\"" + path("PICS/" + name + ".JPG") + "\",\"" + path("PICS/" + name + ".THB") +
               "\"\r\n";
    }
    writeFile(libraryDir() / "PICS" / "PHOTOIDX.IDX", index);
    start();
    main->item("viewthumb")->trigger();
    main->catagory()->setExpanded(1, true);
  }
  QTableWidget* grid() { return main->Grid1(); }
  QString caption(int c) { return grid()->item(1, c)->text(); }
  int selectedColumn() { return grid()->currentColumn(); }
};

TEST_F(StripTest, SevenPicturesPageForwardAndBack) {
  open(7);
  EXPECT_TRUE(main->item("viewthumb")->isChecked());
  EXPECT_EQ(main->outerHeight(), stripShownHeight);
  EXPECT_EQ(caption(6), "P6");
  EXPECT_TRUE(main->morethumb()->isEnabled());
  EXPECT_FALSE(main->prevthumb()->isEnabled());

  main->morethumb()->click();
  EXPECT_EQ(caption(1), "P7");
  EXPECT_EQ(caption(2), " ");
  EXPECT_TRUE(static_cast<QLabel*>(grid()->cellWidget(0, 2))->pixmap().isNull());
  EXPECT_FALSE(main->morethumb()->isEnabled());
  EXPECT_TRUE(main->prevthumb()->isEnabled());
  EXPECT_GE(selectedColumn(), 1);
  EXPECT_LE(selectedColumn(), 6);

  main->prevthumb()->click();
  EXPECT_EQ(main->state().thumbfirst, 1);
  EXPECT_EQ(main->pics()->currentRow(), 0);

  main->item("viewthumb")->trigger();
  EXPECT_FALSE(main->item("viewthumb")->isChecked());
  EXPECT_EQ(main->outerHeight(), stripHiddenHeight);
}

TEST_F(StripTest, TheStripFollowsTheListAndTheListFollowsTheStrip) {
  open(12);
  main->pics()->setCurrentRow(8);  // picture 9
  EXPECT_EQ(main->state().thumbfirst, 9);
  EXPECT_EQ(selectedColumn(), 1);
  main->prevthumb()->click();
  EXPECT_EQ(main->state().thumbfirst, 3);
  EXPECT_FALSE(main->prevthumb()->isEnabled());

  main->state().thumbfirst = 7;
  main->clearthumb();
  main->showthumb();
  emit grid()->cellClicked(1, 3);
  EXPECT_EQ(main->pics()->currentRow(), 8);
  EXPECT_EQ(selectedColumn(), 3);
}

TEST_F(StripTest, AClickNeverSelectsARowBeyondTheList) {
  open(7);
  main->morethumb()->click();
  main->pics()->setCurrentRow(6);
  emit grid()->cellClicked(0, 4);
  EXPECT_EQ(main->pics()->currentRow(), 6);
  main->pics()->clear();  // the tree folded the album away
  emit grid()->cellClicked(1, 1);
  EXPECT_EQ(main->pics()->currentRow(), -1);
}

TEST_F(StripTest, AMissingOrUnreadableThumbnailLeavesItsCellEmpty) {
  open(3);
  writeFile(libraryDir() / "PICS" / "P2.THB", "not a bitmap");
  std::filesystem::remove(libraryDir() / "PICS" / "P3.THB");
  main->item("viewthumb")->trigger();
  main->item("viewthumb")->trigger();  // shown again: page 1 is loaded anew
  const auto pixmap = [&](int c) { return static_cast<QLabel*>(grid()->cellWidget(0, c))->pixmap(); };
  EXPECT_FALSE(pixmap(1).isNull());
  EXPECT_TRUE(pixmap(2).isNull());
  EXPECT_TRUE(pixmap(3).isNull());
  EXPECT_EQ(caption(3), "P3");
}

TEST_F(StripTest, TheRightButtonPopsUpThePictureMenuAndKeepsTheSelection) {
  open(7);
  main->show();
  main->pics()->setCurrentRow(2);
  const QRect row = main->pics()->visualItemRect(main->pics()->item(5));
  QTest::mousePress(main->pics()->viewport(), Qt::RightButton, {}, row.center());
  EXPECT_EQ(main->pics()->currentRow(), 2);
  EXPECT_TRUE(main->Photodetail()->isVisible());
  EXPECT_TRUE(main->Photodetail()->isEnabled());
  main->Photodetail()->hide();

  main->pics()->setCurrentRow(-1);
  QTest::mousePress(grid()->viewport(), Qt::RightButton, {}, grid()->visualItemRect(grid()->item(1, 2)).center());
  EXPECT_EQ(main->pics()->currentRow(), -1);
  EXPECT_FALSE(main->Photodetail()->isEnabled()) << "no picture selected";
  main->Photodetail()->hide();
}

}  // namespace
}  // namespace fotivo::test

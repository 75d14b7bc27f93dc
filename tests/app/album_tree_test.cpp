// The album tree: its notifications, and opening albums and libraries from it.
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QTableWidget>
#include <QTest>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include "app/main_window.h"
#include "app/outline.h"
#include "tests/support/widget_test.h"

namespace fotivo::test {
namespace {

namespace fs = std::filesystem;

// Main with HOLIDAY (two pictures) and TEMP (no picture index), then the library ARCHIVE
// with its TEMP.
class AlbumTreeTest : public WidgetTest {
 protected:
  void SetUp() override {
    WidgetTest::SetUp();
    const std::string dir = libraryDir().string();
    for (const char* album : {"HOLIDAY", "TEMP", "ARCHIVE", "ARCHIVE/TEMP"})
      fs::create_directories(libraryDir() / album);
    writeFile(libraryDir() / "LIBIDX.IDX",
              "#TRUE#,\"Main\",\" Main library\",\"" + dir + "\"\r\n"
              "#FALSE#,\"HOLIDAY\",\"Summer 97\",\"" + dir + "/HOLIDAY\"\r\n"
              "#FALSE#,\"TEMP\",\" Work in process\",\"" + dir + "/TEMP\"\r\n"
              "#TRUE#,\"ARCHIVE\",\"Old prints\",\"" + dir + "/ARCHIVE\"\r\n"
              "#FALSE#,\"TEMP\",\" Work in process\",\"" + dir + "/ARCHIVE/TEMP\"\r\n");
    writeFile(libraryDir() / "HOLIDAY" / "PHOTOIDX.IDX",
              "\"SUNSET\",\"Beach at evening\",\"" + dir + "/HOLIDAY/SUNSET.JPG\",\"" + dir +
                  "/HOLIDAY/SUNSET.THB\"\r\n\"DUNES\",\"\",\"" + dir + "/HOLIDAY/DUNES.JPG\",\"" +
                  dir + "/HOLIDAY/DUNES.THB\"\r\n");
    main = std::make_unique<Main>(seam);
    main->startup();
    ASSERT_EQ(tree().listCount(), 5);
  }
  void TearDown() override {
    main.reset();
    WidgetTest::TearDown();
  }

  Outline& tree() { return *main->catagory(); }
  QStringList picRows() {
    QStringList rows;
    for (int r = 0; r < main->pics()->count(); ++r) rows << main->pics()->item(r)->text();
    return rows;
  }
  // Clicks a row as the user would, on its text or on its picture.
  void click(int row, bool onPicture) {
    main->show();
    QTreeWidget* view = tree().view();
    QTreeWidgetItemIterator it(view);
    for (int r = 0; r < row; ++r) ++it;
    QTreeWidgetItem* item = *it;
    const QRect rect = view->visualItemRect(item);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                      QPoint(rect.left() + (onPicture ? 8 : 45), rect.center().y()));
  }

  std::unique_ptr<Main> main;
};

TEST_F(AlbumTreeTest, TreeShowsHeadersAtLevelOneAndAlbumsAtLevelTwo) {
  const std::pair<QString, int> rows[] = {
      {"Main", 1}, {"HOLIDAY", 2}, {"TEMP", 2}, {"ARCHIVE", 1}, {"TEMP", 2}};
  for (int r = 0; r < 5; ++r) {
    EXPECT_EQ(tree().text(r), rows[r].first);
    EXPECT_EQ(tree().indent(r), rows[r].second);
  }
  EXPECT_TRUE(tree().expanded(0));
  EXPECT_FALSE(tree().expanded(3));
}

TEST_F(AlbumTreeTest, ClickingAnAlbumOpensIt) {
  click(1, false);
  const Model& model = main->state().model;
  EXPECT_EQ(tree().listIndex(), 1);
  EXPECT_EQ(model.curalbum, 1);
  EXPECT_EQ(model.albumdir, (libraryDir() / "HOLIDAY").string());
  EXPECT_EQ(model.piccount, 2);
  EXPECT_EQ(main->Frame2()->title(), "Current Album is HOLIDAY");
  EXPECT_EQ(main->Label1()->text(), "Summer 97");
  EXPECT_EQ(picRows(), (QStringList{"SUNSET  << Beach at evening  >>", "DUNES  <<   >>"}));
  EXPECT_EQ(main->pics()->currentRow(), 0);
  EXPECT_EQ(tree().pictureType(1), Outline::OpenFolder);
  EXPECT_EQ(tree().pictureType(0), Outline::ClosedFolder) << "the previous curalbum row, 0";
  EXPECT_EQ(main->Frame1()->title(), "Active Library is Main");

  // An album without a picture index opens empty, and keeps nothing of the previous one.
  click(2, true);
  EXPECT_EQ(model.curalbum, 2);
  EXPECT_EQ(model.piccount, 0);
  EXPECT_TRUE(picRows().isEmpty());
  EXPECT_EQ(main->Frame2()->title(), "Current Album is TEMP");
  EXPECT_EQ(tree().pictureType(1), Outline::ClosedFolder);
  EXPECT_EQ(tree().pictureType(2), Outline::OpenFolder);
  EXPECT_FALSE(fs::exists(libraryDir() / "TEMP" / "PHOTOIDX.IDX"));
}

TEST_F(AlbumTreeTest, OpeningAnotherLibraryFoldsTheActiveOneAndKeepsTheOpenAlbum) {
  tree().setListIndex(1);
  tree().setExpanded(1, true);
  ASSERT_EQ(main->pics()->count(), 2);

  tree().setListIndex(3);
  tree().setExpanded(3, true);
  const Model& model = main->state().model;
  EXPECT_FALSE(tree().expanded(0));
  EXPECT_TRUE(tree().expanded(3));
  EXPECT_EQ(main->Frame1()->title(), "Active Library is ARCHIVE");
  EXPECT_EQ(main->Label2()->text(), "Old prints");
  EXPECT_EQ(main->Frame2()->title(), " ");
  EXPECT_EQ(main->Label1()->text(), "");
  EXPECT_EQ(main->pics()->count(), 0);
  EXPECT_EQ(model.actlib, 3);
  EXPECT_EQ(model.actlibhdr, 3);
  EXPECT_EQ(model.curalbum, 1);
  EXPECT_EQ(model.piccount, 2);
  EXPECT_EQ(tree().pictureType(0), Outline::ClosedFolder);
  EXPECT_EQ(tree().pictureType(3), Outline::OpenFolder);
}

TEST_F(AlbumTreeTest, CollapseByTheUserEmptiesTheListAndTheComment) {
  tree().setExpanded(1, true);
  ASSERT_EQ(main->pics()->count(), 2);
  tree().view()->collapseItem(tree().view()->topLevelItem(0));
  EXPECT_FALSE(tree().expanded(0));
  EXPECT_EQ(main->pics()->count(), 0);
  EXPECT_EQ(main->Label1()->text(), "");
  EXPECT_EQ(main->state().model.piccount, 2) << "the album stays open";
}

TEST_F(AlbumTreeTest, NotificationsArriveForEveryExpansionTheProgramSets) {
  std::vector<std::pair<char, int>> seen;
  tree().onExpand = [&](int row) { seen.push_back({'E', row}); };
  tree().onCollapse = [&](int row) { seen.push_back({'C', row}); };
  tree().onPictureClick = [&](int row) { seen.push_back({'P', row}); };
  tree().onClick = [&] { seen.push_back({'K', tree().listIndex()}); };

  tree().setExpanded(0, true);   // already expanded: Expand again
  tree().setExpanded(1, true);   // an album row
  tree().setExpanded(3, false);  // already collapsed: nothing
  tree().setExpanded(0, false);
  tree().setListIndex(2);        // a selection made by the program: nothing
  click(0, true);
  click(3, false);
  EXPECT_EQ(seen, (std::vector<std::pair<char, int>>{
                      {'E', 0}, {'E', 1}, {'C', 0}, {'P', 0}, {'K', 3}}));
}

TEST_F(AlbumTreeTest, OpeningAnAlbumWithTheStripShownTurnsItToPageOne) {
  struct Strip : ThumbStrip {
    std::vector<std::string> calls;
    Main* main = nullptr;
    void showthumb() override { calls.push_back("show" + std::to_string(main->state().thumbfirst)); }
    void clearthumb() override { calls.push_back("clear"); }
  } strip;
  strip.main = main.get();
  main->setThumbStrip(&strip);
  main->state().thumbson = true;
  main->state().thumbfirst = 7;

  tree().setExpanded(1, true);
  EXPECT_EQ(strip.calls, (std::vector<std::string>{"clear", "show1"}));
  EXPECT_EQ(main->Grid1()->currentRow(), 1);
  EXPECT_EQ(main->Grid1()->currentColumn(), 1);
  strip.calls.clear();
  tree().setExpanded(2, true);
  EXPECT_EQ(strip.calls, (std::vector<std::string>{"clear"}));
  strip.calls.clear();
  tree().setExpanded(3, true);
  EXPECT_EQ(strip.calls, (std::vector<std::string>{"clear"}));
  main->setThumbStrip(nullptr);
}

TEST_F(AlbumTreeTest, ReloadingTheTreeKeepsRowsAndListPositionsTogether) {
  // catrefresh after the list changed: rows follow the list, none expanded.
  Model& model = main->state().model;
  model.liblist[1].name = "BEACH";
  main->catrefresh();
  ASSERT_EQ(tree().listCount(), 5);
  EXPECT_EQ(tree().text(1), "BEACH");
  for (int r = 0; r < 5; ++r) EXPECT_FALSE(tree().expanded(r)) << r;
  // Albums sit under their own header in the view.
  EXPECT_EQ(tree().view()->topLevelItemCount(), 2);
  EXPECT_EQ(tree().view()->topLevelItem(1)->childCount(), 1);
}

}  // namespace
}  // namespace fotivo::test

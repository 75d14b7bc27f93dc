// Adding, editing and deleting albums: the list, the directories and LIBIDX.IDX.
#include <QAction>
#include <QGroupBox>
#include <QLabel>

#include "albums/album_commands.h"
#include "app/outline.h"
#include "tests/albums/albums_fixture.h"

namespace fotivo::test {
namespace {

namespace fs = std::filesystem;

std::string record(bool islib, const std::string& name, const std::string& comment, const std::string& dir) {
  return std::string(islib ? "#TRUE#" : "#FALSE#") + ",\"" + name + "\",\"" + comment + "\",\"" + dir + "\"\r\n";
}

TEST_F(AlbumsTest, AddingHolidayToANewLibraryPutsItRightAfterMain) {
  start();
  confirmDialog("holiday", "Summer 97");
  Addcat(*main);
  const std::string dir = libraryDir().string();
  EXPECT_EQ(readFile(libraryDir() / "LIBIDX.IDX"),
            record(true, "Main", " Main library", dir) + record(false, "HOLIDAY", "Summer 97", dir + "/HOLIDAY") +
                record(false, "TEMP", " Work in process", dir + "/TEMP"));
  EXPECT_TRUE(fs::is_directory(libraryDir() / "HOLIDAY"));
  EXPECT_EQ(addcatfm(*main).addname()->text(), "HOLIDAY") << "the field holds the upper-case name";
  EXPECT_EQ(main->catagory()->listCount(), 3);
  EXPECT_EQ(main->Frame2()->title(), "");
  EXPECT_EQ(seam.shown.front().title, "Add Album to the Main Library");
}

TEST_F(AlbumsTest, NamesAreUniqueWithinTheirLibraryOnly) {
  fs::create_directories(libraryDir() / "OTHER" / "TEMP");
  const std::string other = (libraryDir() / "OTHER").string();
  writeFile(libraryDir() / "OTHER" / "LIBIDX.IDX",
            record(true, "OTHER", "", other) + record(false, "TEMP", " Work in process", other + "/TEMP"));
  start();
  confirmDialog("HOLIDAY");
  Addcat(*main);
  const std::string before = readFile(libraryDir() / "LIBIDX.IDX");

  for (const char* name : {"HOLIDAY ", "temp"}) {
    confirmDialog(name);
    Addcat(*main);
    EXPECT_EQ(seam.messages().back(), "Each Album must have a unque name !") << name;
  }
  EXPECT_EQ(readFile(libraryDir() / "LIBIDX.IDX"), before);
  EXPECT_EQ(model().liblast, 2);

  ASSERT_TRUE(main->loadlib(other + "/LIBIDX.IDX"));
  main->catrefresh();
  main->catagory()->setExpanded(3, true);  // opens the library OTHER
  confirmDialog("HOLIDAY ");
  Addcat(*main);
  EXPECT_EQ(model().liblist[4].name, "HOLIDAY ");
  EXPECT_EQ(model().liblist[4].dir, other + "/HOLIDAY ");
  EXPECT_NE(readFile(libraryDir() / "OTHER" / "LIBIDX.IDX").find("\"HOLIDAY \""), std::string::npos);
}

TEST_F(AlbumsTest, NamesThatCannotBeDirectoriesAreRefused) {
  start();
  for (const char* name : {"A/B", "..", " "}) {
    seam.shown.clear();
    confirmDialog(name);
    Addcat(*main);
    EXPECT_EQ(seam.messages().size(), 1u) << name;
    EXPECT_EQ(model().liblast, 1) << name;
  }
  EXPECT_FALSE(fs::exists(libraryDir() / "A"));
}

TEST_F(AlbumsTest, AFullListRefusesANewAlbumBeforeTheDialog) {
  start();
  for (int p = 2; p < libcapacity; ++p) model().liblist[p] = {false, "X" + std::to_string(p), "", "/nowhere"};
  model().liblast = libcapacity - 1;
  Addcat(*main);
  ASSERT_EQ(seam.shown.size(), 1u);
  EXPECT_EQ(seam.shown[0].kind, ScriptedSeam::Kind::Message);
}

TEST_F(AlbumsTest, AfterAnImportTheCommandsUseTheTempAlbumsLibrary) {
  fs::create_directories(libraryDir() / "OTHER" / "TEMP");
  const std::string other = (libraryDir() / "OTHER").string();
  writeFile(libraryDir() / "OTHER" / "LIBIDX.IDX",
            record(true, "OTHER", "", other) + record(false, "TEMP", " Work in process", other + "/TEMP"));
  start();
  ASSERT_TRUE(main->loadlib(other + "/LIBIDX.IDX"));
  main->catrefresh();
  model().actlib = 1;  // an import opened Main's TEMP
  confirmDialog("NEW");
  Addcat(*main);
  EXPECT_EQ(model().liblist[1].name, "NEW");
  EXPECT_EQ(model().liblist[2].name, "TEMP");
  EXPECT_EQ(model().actlib, 2) << "still names the TEMP album";

  // Deleting an album above TEMP must not leave the active library pointing at OTHER.
  main->catagory()->setExpanded(1, true);
  seam.answer(ModalSeam::Answer::Ok);
  delcat(*main);
  EXPECT_EQ(model().actlib, 1);
  confirmDialog("LAST");
  Addcat(*main);
  EXPECT_EQ(model().liblist[1].name, "LAST");
  EXPECT_EQ(model().liblist[1].dir, path("LAST"));
  EXPECT_EQ(readFile(fs::path(other) / "LIBIDX.IDX"),
            record(true, "OTHER", "", other) + record(false, "TEMP", " Work in process", other + "/TEMP"));
}

TEST_F(AlbumsTest, EditThenCancelWritesNothing) {
  start();
  confirmDialog("HOLIDAY", "old");
  Addcat(*main);
  main->catagory()->setExpanded(1, true);
  const auto stamp = fs::last_write_time(libraryDir() / "LIBIDX.IDX");
  const std::string before = readFile(libraryDir() / "LIBIDX.IDX");
  cancelDialog();
  EditCat(*main);
  EXPECT_EQ(readFile(libraryDir() / "LIBIDX.IDX"), before);
  EXPECT_EQ(fs::last_write_time(libraryDir() / "LIBIDX.IDX"), stamp);

  confirmDialog("ignored", "new comment");
  EditCat(*main);
  EXPECT_EQ(model().liblist[1].name, "HOLIDAY") << "mode 2 keeps the name";
  EXPECT_EQ(model().liblist[1].comment, "new comment");
  EXPECT_EQ(main->Label1()->text(), "new comment");
  EXPECT_NE(readFile(libraryDir() / "LIBIDX.IDX").find("\"new comment\""), std::string::npos);
}

TEST_F(AlbumsTest, EditAndDeleteWithNoAlbumOpenChangeNothing) {
  start();
  EditCat(*main);
  delcat(*main);
  EXPECT_EQ(seam.messages().size(), 1u) << "one message, from Edit; delete on the Main header does nothing";
  EXPECT_EQ(model().liblast, 1);
}

TEST_F(AlbumsTest, DeletingTheAlbumAboveTempKeepsTempAndItsDirectory) {
  start();
  confirmDialog("HOLIDAY");
  Addcat(*main);
  main->catagory()->setExpanded(1, true);
  writeFile(libraryDir() / "HOLIDAY" / "A.JPG", "jpeg");
  writeFile(libraryDir() / "HOLIDAY" / "A.THB", "bmp");
  writeFile(libraryDir() / "HOLIDAY" / "PHOTOIDX.IDX",
            "\"A\",\"\",\"" + path("HOLIDAY/A.JPG") + "\",\"" + path("HOLIDAY/A.THB") + "\"\r\n");
  seam.answer(ModalSeam::Answer::Ok);
  delcat(*main);
  EXPECT_EQ(seam.messages().back(), "Do you really want to delete HOLIDAY?");
  EXPECT_FALSE(fs::exists(libraryDir() / "HOLIDAY"));
  EXPECT_TRUE(fs::is_directory(libraryDir() / "TEMP"));
  EXPECT_EQ(model().liblast, 1);
  EXPECT_EQ(readFile(libraryDir() / "LIBIDX.IDX"),
            record(true, "Main", " Main library", libraryDir().string()) +
                record(false, "TEMP", " Work in process", path("TEMP")));
}

TEST_F(AlbumsTest, DeletingKeepsFilesTheAlbumDoesNotList) {
  start();
  confirmDialog("HOLIDAY");
  Addcat(*main);
  main->catagory()->setExpanded(1, true);
  writeFile(libraryDir() / "HOLIDAY" / "MINE.TXT", "the user's");
  seam.answer(ModalSeam::Answer::Ok);
  delcat(*main);
  EXPECT_EQ(readFile(libraryDir() / "HOLIDAY" / "MINE.TXT"), "the user's");
  EXPECT_NE(seam.messages().back().indexOf("MINE.TXT"), -1);
  EXPECT_EQ(model().liblast, 1);
}

TEST_F(AlbumsTest, TempAndCancelAreNotDeleted) {
  start();
  main->catagory()->setExpanded(1, true);
  delcat(*main);
  EXPECT_EQ(seam.messages().back(), "The 'TEMP' Album is required for importing and can not be deleted.");
  confirmDialog("HOLIDAY");
  Addcat(*main);
  main->catagory()->setExpanded(1, true);
  seam.answer(ModalSeam::Answer::Cancel);
  delcat(*main);
  EXPECT_TRUE(fs::is_directory(libraryDir() / "HOLIDAY"));
  EXPECT_EQ(model().liblast, 2);
}

}  // namespace
}  // namespace fotivo::test

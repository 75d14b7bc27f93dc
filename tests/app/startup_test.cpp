// Start-up: the main library created or loaded, the tree, and which menu items the settings
// files make available.
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>

#include "app/main_window.h"
#include "app/outline.h"
#include "platform/twain/twain.h"
#include "tests/support/widget_test.h"

namespace fotivo::test {
namespace {

namespace fs = std::filesystem;

class StartupTest : public WidgetTest {};

std::string mainIndex(const std::string& dir) {
  return "#TRUE#,\"Main\",\" Main library\",\"" + dir + "\"\r\n#FALSE#,\"TEMP\",\" Work in process\",\"" +
         dir + "/TEMP\"\r\n";
}

TEST_F(StartupTest, FirstStartInAnEmptyDirectoryCreatesAndOpensTheMainLibrary) {
  Main main(seam);
  main.startup();

  const std::string dir = libraryDir().string();
  EXPECT_EQ(readFile(libraryDir() / "LIBIDX.IDX"), mainIndex(dir));
  EXPECT_TRUE(fs::is_directory(libraryDir() / "TEMP"));
  EXPECT_EQ(main.state().model.homedir, dir);

  Outline& tree = *main.catagory();
  ASSERT_EQ(tree.listCount(), 2);
  EXPECT_EQ(tree.text(0), "Main");
  EXPECT_EQ(tree.indent(0), 1);
  EXPECT_TRUE(tree.expanded(0));
  EXPECT_EQ(tree.pictureType(0), Outline::OpenFolder);
  EXPECT_EQ(tree.text(1), "TEMP");
  EXPECT_EQ(tree.indent(1), 2);
  EXPECT_FALSE(tree.expanded(1));

  EXPECT_EQ(main.Frame1()->title(), "Active Library is Main");
  EXPECT_EQ(main.Label2()->text(), " Main library");
  EXPECT_EQ(main.Frame2()->title(), " ");
  EXPECT_EQ(main.Label1()->text(), "");
  EXPECT_EQ(main.pics()->count(), 0);
  EXPECT_EQ(main.state().model.actlib, 0);
  EXPECT_EQ(main.state().model.actlibhdr, 0);
  EXPECT_EQ(main.outerHeight(), stripHiddenHeight);
  EXPECT_TRUE(seam.shown.empty());
}

TEST_F(StartupTest, ExistingTempDirectoryIsReusedWhenTheIndexIsMissing) {
  fs::create_directory(libraryDir() / "TEMP");
  writeFile(libraryDir() / "TEMP" / "KEEP.JPG", "x");
  Main main(seam);
  main.startup();
  EXPECT_EQ(readFile(libraryDir() / "LIBIDX.IDX"), mainIndex(libraryDir().string()));
  EXPECT_TRUE(fs::exists(libraryDir() / "TEMP" / "KEEP.JPG"));
  EXPECT_EQ(main.catagory()->listCount(), 2);
}

TEST_F(StartupTest, AnEmptyIndexLeavesTheTreeEmptyAndNothingOpened) {
  writeFile(libraryDir() / "LIBIDX.IDX", "");
  Main main(seam);
  main.startup();
  EXPECT_EQ(main.catagory()->listCount(), 0);
  EXPECT_EQ(main.state().model.liblast, -1);
  EXPECT_EQ(main.Frame1()->title(), "");
  EXPECT_EQ(main.Frame2()->title(), "");
  EXPECT_EQ(readFile(libraryDir() / "LIBIDX.IDX"), "");
  EXPECT_FALSE(fs::exists(libraryDir() / "TEMP"));
}

TEST_F(StartupTest, ADamagedIndexIsReportedAndWhatCanBeReadIsShown) {
  writeFile(libraryDir() / "LIBIDX.IDX",
            "#TRUE#,\"Main\",\" Main library\",\"/x\"\r\n#FALSE#,\"TEMP\",\" Work in pro");
  Main main(seam);
  main.startup();
  ASSERT_EQ(seam.messages().size(), 1u);
  EXPECT_TRUE(seam.messages()[0].contains("LIBIDX.IDX"));
  EXPECT_GE(main.catagory()->listCount(), 1);
  EXPECT_EQ(main.catagory()->text(0), "Main");
}

TEST_F(StartupTest, StartsInTheCurrentDirectoryNotTheProgramsOne) {
  Main main(seam);
  main.startup();
  EXPECT_EQ(main.state().model.libdir, libraryDir().string());
}

struct Availability {
  const char* name;
  bool picedit, camera;
};

class MenuAvailabilityTest : public WidgetTest, public ::testing::WithParamInterface<Availability> {};

TEST_P(MenuAvailabilityTest, SettingsFilesDecideEditPictureAndFromCamera) {
  const Availability& a = GetParam();
  if (a.picedit) writeFile(libraryDir() / "PICEDIT.INI", "\"/usr/bin/editor\"\r\n");
  if (a.camera) writeFile(libraryDir() / "CAMERA.INI", "3,104,101,96,1,2\r\n");
  Main main(seam);
  main.startup();

  EXPECT_EQ(main.item("editpix")->isEnabled(), a.picedit);
  EXPECT_EQ(main.state().editorpath, a.picedit ? "/usr/bin/editor" : "");
  EXPECT_EQ(main.item("Impcam")->isEnabled(), a.camera);
  const TQILCameraRec& session = main.state().camsession;  // packed: compare copies
  EXPECT_EQ(int{session.port}, a.camera ? 3 : 0);
  EXPECT_EQ(int{session.cameratype}, a.camera ? 104 : 0);
  EXPECT_EQ(int{session.cameratype2}, a.camera ? 101 : 0);
  EXPECT_EQ(int{session.bitrate}, a.camera ? 96 : 0);
  EXPECT_EQ(main.state().imgformat, a.camera ? 1 : 0);
  EXPECT_EQ(main.state().jpegquality, 0) << "the sixth field is not read at start-up";

  // Never changed by the settings files.
  for (const char* always : {"Quit", "createrlib", "attachlib", "Addcat", "EditCat", "delcat",
                             "viewthumb", "importpix", "seltwain", "Aquire", "ephotocmt",
                             "displaypix", "cpytoclip", "viewprintpix", "delpix", "exportpix",
                             "cpixtoalbum", "setpicedit", "defcam", "About", "helpcontent"})
    EXPECT_TRUE(main.item(always)->isEnabled()) << always;
  EXPECT_FALSE(main.item("viewthumb")->isChecked());
  EXPECT_EQ(main.menu("twainmenu")->menuAction()->isEnabled(), TWAIN_IsAvailable() == 1);
  EXPECT_TRUE(seam.shown.empty());
}

INSTANTIATE_TEST_SUITE_P(, MenuAvailabilityTest,
                         ::testing::Values(Availability{"Neither", false, false},
                                           Availability{"EditorOnly", true, false},
                                           Availability{"CameraOnly", false, true},
                                           Availability{"Both", true, true}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace fotivo::test

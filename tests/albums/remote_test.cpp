// Creating remote libraries on a drive that is a temporary directory, and attaching them from
// the list of known libraries or through a search.
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <filesystem>
#include <optional>

#include "albums/drivefm.h"
#include "albums/drivelist.h"
#include "albums/drives.h"
#include "albums/listform.h"
#include "albums/remote_libraries.h"
#include "app/outline.h"
#include "tests/albums/albums_fixture.h"

namespace fotivo::test {
namespace {

namespace fs = std::filesystem;

class RemoteTest : public AlbumsTest {
 protected:
  void SetUp() override {
    AlbumsTest::SetUp();
    drive = libraryDir() / "drive";
    fs::create_directory(drive);
    drives.emplace(std::vector<std::string>{drive.string()});
    start();
  }

  // "Create remote Library" with a name typed into drivefm; the comment dialog follows when
  // comment is given.
  void create(const QString& name, const std::optional<QString>& comment) {
    seam.onModal([name](QDialog& dialog) {
      auto& form = static_cast<Drivefm&>(dialog);
      form.rmtdir()->setText(name);
      form.Createrm()->click();
    });
    if (comment) confirmDialog({}, *comment);
    createrlib(*main);
  }
  // "Attach remote Library", choosing row (or pressing "Cancel" for -1).
  QStringList attach(int row) {
    QStringList rows;
    seam.onModal([row, &rows](QDialog& dialog) {
      auto& form = static_cast<Listform&>(dialog);
      for (int i = 0; i < form.listlist()->count(); ++i) rows << form.listlist()->item(i)->text();
      EXPECT_TRUE(form.Command1()->isVisibleTo(&form));
      if (row < 0) return form.listcancel()->click();
      emit form.listlist()->itemClicked(form.listlist()->item(row));
    });
    attachlib(*main);
    return rows;
  }
  // "Search", then "Attach" in drivelist with dir chosen.
  void search(const std::string& dir) {
    seam.onModal([](QDialog& dialog) { static_cast<Listform&>(dialog).Command1()->click(); });
    seam.onModal([dir](QDialog& dialog) {
      auto& form = static_cast<Drivelist&>(dialog);
      form.setPath(dir);
      form.Command1()->click();
    });
    attachlib(*main);
  }
  std::vector<std::string> treeNames() {
    std::vector<std::string> names;
    for (int p = 0; p <= model().liblast; ++p) names.push_back(model().liblist[p].name);
    return names;
  }
  std::string remoteidx() { return readFile(libraryDir() / "REMOTE.IDX"); }

  fs::path drive;
  std::optional<DriveOverride> drives;
};

TEST_F(RemoteTest, CreatingTwoLibrariesWritesTheirEntriesAndTheEmptySecondRecord) {
  create("ARCHIVE", "Old scans");
  const std::string first = "\"" + drive.string() + "/ARCHIVE      - Old scans\"\r\n";
  EXPECT_EQ(remoteidx(), first + "\"\"\r\n");
  EXPECT_EQ(seam.shown[1].title, "Create library");

  Model library;
  ASSERT_TRUE(loadlib(library, (drive / "ARCHIVE/LIBIDX.IDX").string()).empty());
  ASSERT_EQ(library.liblast, 1);
  EXPECT_TRUE(library.liblist[0].islib);
  EXPECT_EQ(library.liblist[0].comment, "Old scans");
  EXPECT_EQ(library.liblist[0].dir, (drive / "ARCHIVE").string());
  EXPECT_EQ(library.liblist[1].name, "TEMP");
  EXPECT_EQ(library.liblist[1].comment, " Work in process");
  EXPECT_TRUE(fs::is_directory(drive / "ARCHIVE/TEMP"));

  create("scans", "");
  EXPECT_EQ(remoteidx(), first + "\"\"\r\n\"" + drive.string() + "/scans        - \"\r\n");
  EXPECT_TRUE(fs::is_directory(drive / "scans/TEMP"));  // the name keeps its case
}

TEST_F(RemoteTest, RefusedNamesLeaveTheDiskUnchanged) {
  fs::create_directory(drive / "TAKEN");
  const struct {
    QString name, text, title;
  } cases[] = {
      {"", "You must provide a name for the Library !", "Missing name"},
      {"TAKEN", "You must provide a unique for the Library !", "Name in use"},
      {"A/B", "", "Name not allowed"},
      {"..", "", "Name not allowed"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name.toStdString());
    seam.shown.clear();
    create(c.name, std::nullopt);
    ASSERT_EQ(seam.messages().size(), 1u);
    EXPECT_EQ(seam.shown.back().title, c.title);
    if (!c.text.isEmpty()) {
      EXPECT_EQ(seam.shown.back().text, c.text);
    }
    EXPECT_FALSE(drivefm(*main).isVisible());
  }
  EXPECT_FALSE(fs::exists(libraryDir() / "REMOTE.IDX"));
  EXPECT_EQ(std::distance(fs::directory_iterator(drive), fs::directory_iterator()), 1);
}

TEST_F(RemoteTest, CancelledCommentCreatesNothing) {
  create("FIRST", "");
  const std::string before = remoteidx();
  seam.onModal([](QDialog& dialog) {
    auto& form = static_cast<Drivefm&>(dialog);
    form.rmtdir()->setText("SECOND");
    form.Createrm()->click();
  });
  cancelDialog();
  createrlib(*main);
  EXPECT_FALSE(fs::exists(drive / "SECOND"));
  EXPECT_EQ(remoteidx(), before);
}

TEST_F(RemoteTest, DirectoryThatCannotBeCreatedIsReportedAndNotRemembered) {
  writeFile(libraryDir() / "notadrive", "a file");
  DriveOverride file{{(libraryDir() / "notadrive").string()}};
  create("ARCHIVE", "x");
  ASSERT_EQ(seam.messages().size(), 1u);
  EXPECT_EQ(seam.shown.back().title, "Create library");
  EXPECT_FALSE(fs::exists(libraryDir() / "REMOTE.IDX"));
}

TEST_F(RemoteTest, EightCharacterNameIsAttachedFromTheListTwice) {
  create("ABCDEFGH", "eight");
  const int before = model().liblast;
  const QStringList rows = attach(0);
  EXPECT_EQ(rows, QStringList({QString::fromStdString(drive.string() + "/ABCDEFGH     - eight"), ""}));
  ASSERT_EQ(model().liblast, before + 2);
  EXPECT_EQ(model().liblist[before + 1].name, "ABCDEFGH");
  EXPECT_EQ(main->Frame2()->title(), " ");
  attach(0);
  EXPECT_EQ(treeNames(), (std::vector<std::string>{"Main", "TEMP", "ABCDEFGH", "TEMP", "ABCDEFGH", "TEMP"}));
  EXPECT_EQ(main->catagory()->listCount(), 6);
}

TEST_F(RemoteTest, EmptyRowCancelAndVanishedLibraryAttachNothing) {
  EXPECT_EQ(attach(0), QStringList({""}));  // no REMOTE.IDX yet: one empty row
  create("GONE", "");
  attach(-1);
  EXPECT_FALSE(main->state().dlgok);
  fs::remove_all(drive / "GONE");
  attach(0);
  EXPECT_EQ(seam.messages().size(), 0u);
  EXPECT_EQ(treeNames(), (std::vector<std::string>{"Main", "TEMP"}));
}

TEST_F(RemoteTest, SearchAttachesOnlyADirectoryHoldingLIBIDXIDX) {
  fs::create_directories(drive / "lower");
  writeFile(drive / "lower/libidx.idx", "");
  create("FOUND", "");
  search((drive / "lower").string());
  search(drive.string());  // the drive itself
  EXPECT_EQ(treeNames(), (std::vector<std::string>{"Main", "TEMP"}));
  search((drive / "FOUND").string());
  EXPECT_EQ(treeNames(), (std::vector<std::string>{"Main", "TEMP", "FOUND", "TEMP"}));
  EXPECT_FALSE(listform(*main).Command1()->isVisibleTo(&listform(*main)));
}

TEST(Drives, HomeComesFirstAndTheSystemsOwnMountsAreLeftOut) {
  const std::vector<std::string> all = drives();
  ASSERT_FALSE(all.empty());
  EXPECT_EQ(all.front(), QDir::homePath().toStdString());
  for (const std::string& path : all)
    for (const std::string system : {"/", "/proc", "/sys", "/dev", "/run"}) EXPECT_NE(path, system);
  EXPECT_TRUE(isdriveroot(all.front() + "/"));
  EXPECT_FALSE(isdriveroot(all.front() + "/ARCHIVE"));
}

}  // namespace
}  // namespace fotivo::test

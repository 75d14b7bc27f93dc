// Exporting the selected picture's file.
#include <filesystem>

#include "tests/media/media_test.h"

namespace fotivo::test {
namespace {

class ExportTest : public MediaTest {
 protected:
  void SetUp() override {
    MediaTest::SetUp();
    std::filesystem::create_directories(path("out"));
    writeFile(album + "/PHOTO.JPG", "jpeg bytes");
    select(addPicture(album + "/PHOTO.JPG"));
  }
};

TEST_F(ExportTest, OffersThePictureNameAndCopiesWhereTheUserSaves) {
  trigger("exportpix");  // cancelled: the dialog gives back the preset name
  writeFile(path("out/PHOTO.JPG"), "an older file of that name");
  recording.pickFile(QString::fromStdString(path("out/PHOTO.JPG")));
  trigger("exportpix");

  ASSERT_EQ(recording.dialogs.size(), 2u);
  EXPECT_EQ(recording.dialogs[0].title, "Export Picture ... PHOTO.JPG");
  EXPECT_EQ(recording.dialogs[0].preset, "PHOTO.JPG");
  EXPECT_EQ(recording.dialogs[0].filter, "*.*");
  EXPECT_EQ(recording.shown[0].kind, ScriptedSeam::Kind::SaveFile);
  EXPECT_EQ(readFile(path("out/PHOTO.JPG")), "jpeg bytes");
  EXPECT_EQ(readFile(album + "/PHOTO.JPG"), "jpeg bytes");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(path("out")), {}), 1)
      << "nothing but the export is left in the folder";
  EXPECT_TRUE(recording.messages().empty());
}

TEST_F(ExportTest, NativePictureIsExportedAsItIs) {
  writeFile(album + "/CAM.TQN", "native bytes");
  writeFile(album + "/CAM.JPG", "jpeg copy");
  select(addPicture(album + "/CAM.TQN"));
  recording.pickFile(QString::fromStdString(path("out/CAM.TQN")));
  trigger("exportpix");
  EXPECT_EQ(recording.dialogs[0].preset, "CAM.TQN");
  EXPECT_EQ(readFile(path("out/CAM.TQN")), "native bytes");
}

TEST_F(ExportTest, FailuresAreToldAndDamageNothing) {
  const struct {
    const char* name;
    std::string target;
    const char* told;
  } cases[] = {
      {"onto the picture itself", album + "/PHOTO.JPG", "its own file"},
      {"onto the picture by another path", album + "/../ALBUM/PHOTO.JPG", "its own file"},
      {"into a missing folder", path("missing/PHOTO.JPG"), "missing"},
  };
  for (const auto& c : cases) {
    recording.shown.clear();
    recording.pickFile(QString::fromStdString(c.target));
    trigger("exportpix");
    const std::vector<QString> told = recording.messages();
    ASSERT_EQ(told.size(), 1u) << c.name;
    EXPECT_TRUE(told[0].contains(c.told)) << c.name << ": " << told[0].toStdString();
    EXPECT_EQ(readFile(album + "/PHOTO.JPG"), "jpeg bytes") << c.name;
  }
  std::filesystem::remove(album + "/PHOTO.JPG");
  recording.shown.clear();
  recording.pickFile(QString::fromStdString(path("out/PHOTO.JPG")));
  trigger("exportpix");
  ASSERT_EQ(recording.messages().size(), 1u);
  EXPECT_TRUE(recording.messages()[0].contains("cannot be read"));
  EXPECT_FALSE(std::filesystem::exists(path("out/PHOTO.JPG")));
}

}  // namespace
}  // namespace fotivo::test

#include <gtest/gtest.h>

#include "library/camera_settings.h"
#include "library/editor_settings.h"
#include "temp_dir.h"

namespace fotivo {
namespace {

using test::readfile;
using test::writefile;
namespace fs = std::filesystem;

class SettingsTest : public test::TempDirTest {};

TEST_F(SettingsTest, CameraSettingsRoundTrip) {
  EXPECT_FALSE(loadcamerasettings(dir).exists);
  CameraSettings settings{1, 104, 104, 576, 0, 0};
  EXPECT_TRUE(savecamerasettings(dir, settings).empty());
  EXPECT_EQ(readfile(path("CAMERA.INI")), "1,104,104,576,0,0\r\n");

  settings = {0, 7, 100, 2304, 1, 2};
  EXPECT_TRUE(savecamerasettings(dir, settings).empty());
  CameraSettingsFile file = loadcamerasettings(dir);
  EXPECT_TRUE(file.exists);
  EXPECT_TRUE(file.problems.empty());
  EXPECT_EQ(file.settings.cameratype, 7);
  EXPECT_EQ(file.settings.bitrate, 2304);
  EXPECT_EQ(file.settings.imgformat, 1);
  EXPECT_EQ(file.settings.jpegquality, 2);
}

TEST_F(SettingsTest, CameraSettingsToleratesBlanksAndLfLineEnds) {
  writefile(path("CAMERA.INI"), " 2, 101 ,101,\t192,1,1\n\n");
  CameraSettingsFile file = loadcamerasettings(dir);
  EXPECT_TRUE(file.problems.empty());
  EXPECT_EQ(file.settings.port, 2);
  EXPECT_EQ(file.settings.cameratype2, 101);
  EXPECT_EQ(file.settings.bitrate, 192);
}

struct DamagedCamera {
  const char* label;
  std::string data;
  CameraSettings expected;
};

class CameraSettingsDamaged : public SettingsTest, public ::testing::WithParamInterface<DamagedCamera> {};

TEST_P(CameraSettingsDamaged, KeepsWhatCanBeReadAndTheOriginal) {
  writefile(path("CAMERA.INI"), GetParam().data);
  CameraSettingsFile file = loadcamerasettings(dir);
  EXPECT_TRUE(file.exists);
  ASSERT_EQ(file.problems.size(), 1u);
  EXPECT_NE(file.problems[0].message.find(path("CAMERA.INI") + " is damaged"), std::string::npos);
  const CameraSettings& s = file.settings;
  const CameraSettings& e = GetParam().expected;
  EXPECT_EQ(std::tie(s.port, s.cameratype, s.cameratype2, s.bitrate, s.imgformat, s.jpegquality),
            std::tie(e.port, e.cameratype, e.cameratype2, e.bitrate, e.imgformat, e.jpegquality));
  EXPECT_EQ(readfile(path("CAMERA.INI.damaged")), GetParam().data);
}

INSTANTIATE_TEST_SUITE_P(Cases, CameraSettingsDamaged,
                         ::testing::Values(DamagedCamera{"Empty", "", {}},
                                           DamagedCamera{"MissingValues", "1,104\r\n", {1, 104, 0, 0, 0, 0}},
                                           DamagedCamera{"NotANumber", "1,abc,104,576,0,0\r\n", {1, 0, 104, 576, 0, 0}},
                                           DamagedCamera{"OutOfRange", "1,104,104,99999999999,0,0\r\n", {1, 104, 104, 0, 0, 0}}),
                         [](const auto& info) { return info.param.label; });

TEST_F(SettingsTest, EditorSettingsRoundTrip) {
  EXPECT_FALSE(loadeditorsettings(dir).exists);
  EXPECT_TRUE(saveeditorsettings(dir, "/usr/bin/pic edit, v2").empty());
  EXPECT_EQ(readfile(path("PICEDIT.INI")), "\"/usr/bin/pic edit, v2\"\r\n");
  EditorSettingsFile file = loadeditorsettings(dir);
  EXPECT_TRUE(file.exists);
  EXPECT_TRUE(file.problems.empty());
  EXPECT_EQ(file.editorpath, "/usr/bin/pic edit, v2");

  writefile(path("PICEDIT.INI"), "\"/opt/editor\"\r\n\"ignored\",#TRUE#\r\n");
  EXPECT_EQ(loadeditorsettings(dir).editorpath, "/opt/editor");
}

TEST_F(SettingsTest, SettingsWriteFailureIsReported) {
  const std::string missing = path("gone");
  Problems problems = saveeditorsettings(missing, "/opt/editor");
  ASSERT_EQ(problems.size(), 1u);
  EXPECT_EQ(problems[0].path, missing + "/PICEDIT.INI");
  EXPECT_EQ(savecamerasettings(missing, {}).size(), 1u);
}

}  // namespace
}  // namespace fotivo

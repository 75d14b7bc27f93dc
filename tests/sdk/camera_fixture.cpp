#include "camera_fixture.h"

#include <stdlib.h>

#include <algorithm>
#include <cstring>

#include "sdk/card.h"

namespace tqsdk::test {

Session::Session(int32_t type, int32_t port, int32_t bitrate) {
  driver.driverword = type;
  driver.cameratype = type;
  camera.driver = &driver;
  camera.port = port;
  camera.cameratype = type;
  camera.area = area;
  camera.cameratype2 = type;
  camera.bitrate = bitrate;
}

bool Guarded::guard_intact() const {
  return std::all_of(bytes.begin() + std::ptrdiff_t(size), bytes.end(), [this](uint8_t b) { return b == fill; });
}

void CameraTest::SetUp() {
  std::string pattern = (fs::temp_directory_path() / "tqsdk-XXXXXX").string();
  ASSERT_NE(mkdtemp(pattern.data()), nullptr);
  root = pattern;
  card = root / "card";
  fs::create_directories(card / "MEMORY");
  setenv("TQSDK_CARD", card.c_str(), 1);
  unsetenv("TQSDK_PORT");
}

void CameraTest::TearDown() {
  unsetenv("TQSDK_CARD");
  std::error_code error;
  fs::remove_all(root, error);
}

void CameraTest::open(Session& session) {
  ASSERT_EQ(TQOpenDriver(0, &session.driver), 0);
  ASSERT_EQ(TQOpenCamera(&session.camera), 0);
}

void CameraTest::close(Session& session) {
  EXPECT_EQ(TQCloseCamera(&session.camera), 0);
  EXPECT_EQ(TQCloseDriver(&session.driver), 0);
}

void CameraTest::put_picture(uint32_t serial, uint32_t width, uint32_t height, uint16_t orientation, bool memory) {
  ASSERT_TRUE(shoot(store_dir(card, memory ? Store::memory : Store::card) / picture_name(serial), serial,
                    {width, height, orientation}, 104, {45, 23, 10, 9, 12, 1997}));
}

int CameraTest::picture_count(Session& session) {
  TQStatusRec status{};
  EXPECT_EQ(TQGetStatus(&session.camera, &status, nullptr), 0);
  int16_t count;
  std::memcpy(&count, reinterpret_cast<uint8_t*>(&status) + 24, 2);
  return count;
}

}  // namespace tqsdk::test

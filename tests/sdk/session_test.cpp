// Opening and closing the driver and the camera, and the status.
#include <stdlib.h>

#include <cstring>
#include <ctime>

#include "camera_fixture.h"

namespace tqsdk::test {
namespace {

using SessionTest = CameraTest;

uint16_t field16(const void* record, size_t offset) {
  uint16_t v;
  std::memcpy(&v, static_cast<const uint8_t*>(record) + offset, 2);
  return v;
}

TEST_F(SessionTest, OpensOnItsPortOrAutomaticallyAndClosesAgain) {
  setenv("TQSDK_PORT", "3", 1);
  for (int32_t port : {0, 3}) {
    Session session(104, port);
    open(session);
    EXPECT_EQ(session.driver.value1, 1) << "the driver record says the driver is open";
    close(session);
    EXPECT_EQ(session.driver.value1, 0);
  }
}

TEST_F(SessionTest, RefusesWhatTheCameraCannotBe) {
  struct Case {
    const char* what;
    int32_t type, port, bitrate;
    int16_t driver, camera;
  };
  const Case cases[] = {
      {"another port", 104, 2, 576, 0, -1002},
      {"no such port", 104, 9, 576, 0, -1000},
      {"unknown type", 7, 1, 576, -1023, -1013},
      {"a bit rate it does not speak", 104, 1, 500, 0, -1006},
  };
  for (const Case& c : cases) {
    Session session(c.type, c.port, c.bitrate);
    EXPECT_EQ(TQOpenDriver(0, &session.driver), c.driver) << c.what;
    EXPECT_EQ(TQOpenCamera(&session.camera), c.camera) << c.what;
    TQStatusRec status{};
    EXPECT_EQ(TQGetStatus(&session.camera, &status, nullptr), -1013) << c.what << ": the camera stays closed";
  }
}

TEST_F(SessionTest, TheSessionRecordCarriesTheState) {
  Session session(100);
  TQStatusRec status{};
  EXPECT_EQ(TQOpenCamera(&session.camera), -1013) << "the driver first";
  open(session);
  EXPECT_EQ(TQOpenDriver(0, &session.driver), -1016);
  EXPECT_EQ(TQOpenCamera(&session.camera), -1016);
  // A second record knows nothing of the first one's session.
  Session other(100);
  EXPECT_EQ(TQGetStatus(&other.camera, &status, nullptr), -1013);
  close(session);
  EXPECT_EQ(TQGetStatus(&session.camera, &status, nullptr), -1013);
  EXPECT_EQ(TQCloseCamera(&session.camera), -1001);
  EXPECT_EQ(TQCloseDriver(&session.driver), -1001);
}

TEST_F(SessionTest, AMissingNamedCardIsNotFound) {
  setenv("TQSDK_CARD", (root / "nowhere").c_str(), 1);
  Session session(104);
  ASSERT_EQ(TQOpenDriver(0, &session.driver), 0);
  EXPECT_EQ(TQOpenCamera(&session.camera), -1005);
}

TEST_F(SessionTest, WithoutANamedCardADefaultCardWithSamplesIsMadeOnce) {
  unsetenv("TQSDK_CARD");
  setenv("XDG_DATA_HOME", root.c_str(), 1);
  Session session(104);
  open(session);
  EXPECT_EQ(picture_count(session), 5);
  EXPECT_TRUE(fs::is_regular_file(root / "fotivo" / "card" / "PIC00001.TQN"));
  close(session);
  fs::remove(root / "fotivo" / "card" / "PIC00001.TQN");
  open(session);
  EXPECT_EQ(picture_count(session), 4) << "an existing card is used as it is";
  close(session);
  unsetenv("XDG_DATA_HOME");
}

TEST_F(SessionTest, StatusGivesTheClockAndThePictureCount) {
  put_picture(1, 64, 48);
  put_picture(7, 64, 48);
  put_picture(3, 64, 48, 0, true);
  Session session(104);
  open(session);
  TQStatusRec status;
  std::memset(&status, 0xEE, sizeof status);
  TQStatusC specific{};
  const std::time_t before = std::time(nullptr);
  ASSERT_EQ(TQGetStatus(&session.camera, &status, &specific), 0);
  std::tm now{};
  localtime_r(&before, &now);
  EXPECT_EQ(field16(&status, 10), now.tm_year + 1900);
  EXPECT_EQ(field16(&status, 8), now.tm_mon + 1);
  EXPECT_LE(field16(&status, 4), 23);
  EXPECT_LE(field16(&status, 2), 59);
  EXPECT_EQ(field16(&status, 18), 0xEEEE) << "the gap is not written";
  EXPECT_EQ(field16(&status, 24), 2) << "pictures on the card";
  EXPECT_EQ(field16(&status, 26), 1) << "pictures in the internal memory";
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(&specific) + 46), "TQ-C");
  close(session);
}

}  // namespace
}  // namespace tqsdk::test

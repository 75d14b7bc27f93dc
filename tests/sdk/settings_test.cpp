// Configuration, image processing and output window, kept per card.
#include <cstring>

#include "camera_fixture.h"

namespace tqsdk::test {
namespace {

using SettingsTest = CameraTest;

struct Config {
  int16_t values[9];
  char text[32];
  TQConfigRec record{};
  Config(std::initializer_list<int16_t> v, const char* owner) : values{}, text{} {
    std::copy(v.begin(), v.end(), values);
    std::strncpy(text, owner, sizeof text - 1);
    std::memcpy(record.values, values, sizeof values);
    record.text = text;
  }
};

TEST_F(SettingsTest, ConfigurationIsKeptOnTheCardAcrossSessions) {
  Session session(104);
  open(session);
  Config factory({}, "");
  ASSERT_EQ(TQGetConfig(&session.camera, &factory.record, nullptr), 0);
  EXPECT_EQ(factory.record.values[0], 2) << "the largest picture size";
  EXPECT_STREQ(factory.text, "TQ CAMERA");

  Config set({1, 2, 10, 0, 1, 5, 3, 2, 1}, "ANNA");
  uint8_t specific[52];
  for (size_t i = 0; i < sizeof specific; ++i) specific[i] = uint8_t(i);
  ASSERT_EQ(TQSetConfig(&session.camera, &set.record, specific), 0);
  close(session);

  open(session);
  Config back({}, "");
  uint8_t specificback[52] = {};
  ASSERT_EQ(TQGetConfig(&session.camera, &back.record, specificback), 0);
  EXPECT_EQ(std::memcmp(back.record.values, set.values, sizeof set.values), 0);
  EXPECT_STREQ(back.text, "ANNA");
  EXPECT_EQ(std::memcmp(specificback, specific, sizeof specific), 0);
  close(session);

  // Another card has its own settings.
  const fs::path other = root / "other";
  fs::create_directories(other);
  setenv("TQSDK_CARD", other.c_str(), 1);
  open(session);
  ASSERT_EQ(TQGetConfig(&session.camera, &back.record, nullptr), 0);
  EXPECT_EQ(back.record.values[0], 2);
  close(session);
}

TEST_F(SettingsTest, RefusesValuesOutOfRangeAndChangesNothing) {
  Session session(104);
  open(session);
  Config resolution({3, 0, 5, 1, 0, 0, 4, 0, 0}, "X"), negative({0, 0, -1, 1, 0, 0, 4, 0, 0}, "X");
  EXPECT_EQ(TQSetConfig(&session.camera, &resolution.record, nullptr), -1000);
  EXPECT_EQ(TQSetConfig(&session.camera, &negative.record, nullptr), -1000);
  Config unterminated({0, 0, 5, 1, 0, 0, 4, 0, 0}, "");
  std::memset(unterminated.text, 'A', sizeof unterminated.text);
  EXPECT_EQ(TQSetConfig(&session.camera, &unterminated.record, nullptr), -1000);
  Config back({}, "");
  ASSERT_EQ(TQGetConfig(&session.camera, &back.record, nullptr), 0);
  EXPECT_EQ(back.record.values[0], 2);
  close(session);
}

TEST_F(SettingsTest, ImageProcessingAndOutputWindowAreKeptAndResetRestoresTheFactory) {
  Session session(101);
  open(session);
  TQImageProcRec processing;
  ASSERT_EQ(TQGetImageProcessing(&session.camera, &processing), 0);
  uint8_t* p = reinterpret_cast<uint8_t*>(&processing);
  EXPECT_EQ(p[0], 1) << "automatic white balance";
  p[0] = 0;
  p[108] = 77;
  ASSERT_EQ(TQSetImageProcessing(&session.camera, &processing), 0);
  TQImageProcRec bad = processing;
  reinterpret_cast<uint8_t*>(&bad)[12] = 2;
  EXPECT_EQ(TQSetImageProcessing(&session.camera, &bad), -1000) << "a switch is 0 or 1";

  TQOutputWindowRec window;
  ASSERT_EQ(TQGetOutputWindow(&session.camera, &window), 0);
  const int16_t inside[4] = {100, 100, 640, 480};
  std::memcpy(&window, inside, sizeof inside);
  ASSERT_EQ(TQSetOutputWindow(&session.camera, &window), 0);
  TQOutputWindowRec outside = window;
  const int16_t wide = 1600;
  std::memcpy(reinterpret_cast<uint8_t*>(&outside) + 4, &wide, 2);
  EXPECT_EQ(TQSetOutputWindow(&session.camera, &outside), -1000);

  TQImageProcRec processingback;
  TQOutputWindowRec windowback;
  ASSERT_EQ(TQGetImageProcessing(&session.camera, &processingback), 0);
  ASSERT_EQ(TQGetOutputWindow(&session.camera, &windowback), 0);
  EXPECT_EQ(std::memcmp(&processingback, &processing, sizeof processing), 0);
  EXPECT_EQ(std::memcmp(&windowback, &window, sizeof window), 0);

  ASSERT_EQ(TQResetCamera(&session.camera), 0);
  ASSERT_EQ(TQGetImageProcessing(&session.camera, &processingback), 0);
  EXPECT_EQ(reinterpret_cast<uint8_t*>(&processingback)[0], 1);
  EXPECT_EQ(reinterpret_cast<uint8_t*>(&processingback)[108], 0);
  close(session);
}

}  // namespace
}  // namespace tqsdk::test

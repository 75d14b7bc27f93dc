// The export frame: null records, the session's copy-in and copy-back, 16-bit values and flags.
#include <functional>
#include <vector>

#include "tests/bridge/bridge_fixture.h"

namespace tqbridge::test {
namespace {

TEST_F(BridgeTest, EveryCameraExportRefusesANullCameraWithoutCallingTheSdk) {
  uint8_t buffer[64];
  int32_t word = 0;
  TQILPictInfoRec info{};
  TQILConfigRec config{};
  const std::vector<std::function<int16_t()>> calls = {
      [] { return TQILOpenDriver(0, nullptr); },
      [] { return TQILCloseDriver(nullptr); },
      [] { return TQILOpenCamera(nullptr); },
      [] { return TQILCloseCamera(nullptr); },
      [] { return TQILResetCamera(nullptr); },
      [] { return TQILGetStatus(nullptr, nullptr, nullptr); },
      [&] { return TQILGetConfig(nullptr, &config, nullptr); },
      [&] { return TQILSetConfig(nullptr, &config, nullptr); },
      [] { return TQILGetImageProcessing(nullptr, nullptr); },
      [] { return TQILSetOutputWindow(nullptr, nullptr); },
      [&] { return TQILTakePicture(nullptr, 0, 0, buffer, &info, nullptr); },
      [] { return TQILDeletePicture(nullptr, 0, 0, 0); },
      [] { return TQILCopyMemToCard(nullptr, 0, 0); },
      [&] { return TQILGetCameraPictInfo(nullptr, 1, -1, 1, 1, buffer, &info, nullptr); },
      [&] { return TQILGetNativeCameraType(nullptr, 64, buffer, &word); },
      [&] { return TQILGetNativePictInfo(nullptr, 64, buffer, 0, buffer, &info, nullptr); },
      [&] { return TQILGetCameraPicture(nullptr, 1, -1, &info, 64, buffer, 64, buffer); },
      [&] { return TQILGetNativePicture(nullptr, 1, -1, &info, 64, buffer); },
      [&] { return TQILProcNativePicture(nullptr, &info, 64, buffer, 64, buffer); },
      [&] { return TQILGetCameraPictureAsJPEG(nullptr, 1, -1, &info, 1, &word, 64, buffer, 64, buffer); },
      [&] { return TQILProcNativePictureAsJPEG(nullptr, &info, 1, &word, 64, buffer, 64, buffer); },
      [] { return TQILPreviewGetInfo(nullptr, nullptr); },
      [&] { return TQILPreviewGetPicture(nullptr, 64, buffer, 64, buffer); },
      [] { return TQILPreviewErase(nullptr); },
      [] { return TQILAlbumSetActive(nullptr, 1); },
      [] { return TQILAlbumMoveImage(nullptr, 0, 1, 2, 3); },
  };
  for (std::size_t i = 0; i < calls.size(); ++i) EXPECT_EQ(calls[i](), TQ_BadArgError) << "call " << i;
  EXPECT_TRUE(fake().calls.empty());
}

TEST_F(BridgeTest, DriverValuesAreSignExtendedInAndNarrowedBack) {
  camera.driver.value1 = -1;
  camera.spare[0] = 0x5A;
  camera.spare[1] = 0xA5;
  fake().driverValue = 65537;
  fake().code = -1002;
  EXPECT_EQ(TQILOpenCamera(&camera), -1002) << "the SDK's code passes unchanged";
  int32_t received;
  std::memcpy(&received, last().driver.data() + 8, 4);
  EXPECT_EQ(received, -1);
  EXPECT_EQ(last().values, (std::vector<int64_t>{1, 104, 0, 104, 576}));
  EXPECT_EQ(last().addresses[0], reinterpret_cast<uintptr_t>(camera.area)) << "the area is the caller's own";
  EXPECT_EQ(camera.driver.value1, 1) << "copied back whatever the SDK answered";
  EXPECT_EQ(camera.spare[0], 0x5A);
  EXPECT_EQ(camera.spare[1], 0xA5);
}

TEST_F(BridgeTest, SixteenBitValuesAndFlagsReachTheSdkAsDefined) {
  TQILPictInfoRec info{};
  uint8_t thumbnail[16];
  // A 16-bit value's high half carries nothing; a flag of 2 arrives as 1.
  ASSERT_EQ(TQILGetCameraPictInfo(&camera, 1, int32_t(0x7FFFFFFF), 0x10003, 2, thumbnail, &info, nullptr), 0);
  const std::vector<int64_t>& values = last().values;
  EXPECT_EQ(values[5], 1);
  EXPECT_EQ(values[6], 0xFFFF);
  EXPECT_EQ(values[7], 3);
  EXPECT_EQ(values[8], 1);
  EXPECT_EQ(last().addresses[1], reinterpret_cast<uintptr_t>(thumbnail));
  ASSERT_EQ(TQILTakePicture(&camera, 7, 0, thumbnail, &info, nullptr), 0);
  EXPECT_EQ(last().values[6], 0);
}

TEST_F(BridgeTest, DriverExportsConvertTheDriverRecordBothWays) {
  TQILDriverRec driver{};
  driver.driverword = driver.cameratype = 100;
  driver.value3 = -2;
  fake().driverValue = 0x12345;
  const int16_t version = 256;
  ASSERT_EQ(TQILOpenDriver(reinterpret_cast<uintptr_t>(&version), &driver), 0);
  EXPECT_EQ(last().values, (std::vector<int64_t>{int64_t(reinterpret_cast<uintptr_t>(&version))}))
      << "the value passes unchanged";
  TQDriverRec received;
  std::memcpy(&received, last().driver.data(), sizeof received);
  EXPECT_EQ(received.driverword, 100);
  EXPECT_EQ(received.cameratype, 100);
  EXPECT_EQ(received.value3, -2);
  EXPECT_EQ(driver.value1, 0x2345);

  fake().code = -1001;
  fake().driverValue = 7;
  EXPECT_EQ(TQILCloseDriver(&driver), -1001);
  EXPECT_EQ(driver.value1, 7) << "copied back whatever the SDK answered";
}

TEST_F(BridgeTest, StatusWithoutOutputRecordsStillCallsAndCopiesBack) {
  fake().cameraType = 101;
  EXPECT_EQ(TQILGetStatus(&camera, nullptr, nullptr), 0);
  EXPECT_EQ(last().function, "GetStatus");
  EXPECT_TRUE(last().specificPassed) << "the SDK gets its type record even when the caller wants none";
  EXPECT_EQ(camera.driver.cameratype, 101);
}

}  // namespace
}  // namespace tqbridge::test

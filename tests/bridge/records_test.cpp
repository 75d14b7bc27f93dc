// The record conversions: which SDK bytes land where, which flat bytes stay untouched, and
// the choice of the type-specific record.
#include "tests/bridge/bridge_fixture.h"

namespace tqbridge::test {
namespace {

// Flat bytes [flat, flat + width) hold the SDK pattern from sdk on.
void expectFrom(const void* record, std::size_t flat, std::size_t sdk, std::size_t width) {
  for (std::size_t i = 0; i < width; ++i)
    EXPECT_EQ(raw(record)[flat + i], fakePattern(sdk + i)) << "flat offset " << flat + i;
}
void expectUntouched(const void* record, std::size_t flat, std::size_t width) {
  for (std::size_t i = 0; i < width; ++i) EXPECT_EQ(raw(record)[flat + i], 0xEE) << "flat offset " << flat + i;
}

TEST_F(BridgeTest, StatusOfTheGenericCameraExchangesNoSpecificRecord) {
  setType(1);
  auto status = marked<TQILStatusRec>();
  auto specific = marked<TQILStatusC>();
  ASSERT_EQ(TQILGetStatus(&camera, &status, &specific), 0);
  EXPECT_FALSE(last().specificPassed);
  expectUntouched(&specific, 0, sizeof specific);
  expectFrom(&status, 0, 0, 18);
  expectUntouched(&status, 18, 2);  // the gap
  expectFrom(&status, 20, 20, 28);
}

TEST_F(BridgeTest, StatusCNarrowsItsWordsAndShiftsItsFields) {
  auto specific = marked<TQILStatusC>();
  ASSERT_EQ(TQILGetStatus(&camera, nullptr, &specific), 0);
  ASSERT_TRUE(last().specificPassed);
  EXPECT_EQ(last().specific.size(), sizeof(TQStatusC));
  expectFrom(&specific, 0, 0, 4);
  expectFrom(&specific, 6, 8, 2);    // low half of the SDK word at 8
  expectFrom(&specific, 10, 16, 2);
  expectFrom(&specific, 12, 20, 26);  // thirteen fields, eight bytes earlier
  expectFrom(&specific, 38, 46, 12);  // the block
}

TEST_F(BridgeTest, AnSdkErrorLeavesTheOutputRecordsAlone) {
  fake().code = -1006;
  auto status = marked<TQILStatusRec>();
  EXPECT_EQ(TQILGetStatus(&camera, &status, nullptr), -1006);
  expectUntouched(&status, 0, sizeof status);
}

TEST_F(BridgeTest, TheSpecificRecordFollowsTheTypeTheSdkLeaves) {
  setType(104);
  fake().cameraType = 100;  // the SDK reports another model
  auto specific = marked<TQILPictInfoA>();
  TQILPictInfoRec info{};
  ASSERT_EQ(TQILGetCameraPictInfo(&camera, 1, -1, 1, 0, nullptr, &info, &specific), 0);
  EXPECT_EQ(last().specific.size(), sizeof(TQPictInfoC)) << "chosen before the call by the type then";
  expectFrom(&specific, 0, 0, 4);
  expectFrom(&specific, 4, 4, 2);
  expectFrom(&specific, 8, 12, 4);  // the orientation code
  EXPECT_EQ(camera.driver.cameratype, 100);
}

TEST_F(BridgeTest, PictureInformationBAndCKeepTheirSpareBytes) {
  TQILPictInfoRec info{};
  setType(101);
  auto b = marked<TQILPictInfoB>();
  ASSERT_EQ(TQILGetCameraPictInfo(&camera, 1, -1, 1, 0, nullptr, &info, &b), 0);
  expectFrom(&b, 58, 58, 9);
  for (std::size_t spare : {6, 22, 30, 42}) expectUntouched(&b, spare, 2);
  expectFrom(&b, 20, 20, 2);

  setType(104);
  auto c = marked<TQILPictInfoC>();
  ASSERT_EQ(TQILGetCameraPictInfo(&camera, 1, -1, 1, 0, nullptr, &info, &c), 0);
  expectUntouched(&c, 50, 6);
  expectFrom(&c, 56, 56, 4);
  expectFrom(&c, 152, 152, 9);
}

TEST_F(BridgeTest, GeneralPictureInformationSkipsTheThumbnailAddress) {
  auto info = marked<TQILPictInfoRec>();
  ASSERT_EQ(TQILGetCameraPictInfo(&camera, 1, -1, 1, 0, nullptr, &info, nullptr), 0);
  expectFrom(&info, 0, 0, 6);
  expectUntouched(&info, 6, 2);
  expectFrom(&info, 8, offsetof(TQPictInfoRec, word1), 20);
  expectFrom(&info, 28, offsetof(TQPictInfoRec, seconds), 18);
}

TEST_F(BridgeTest, ConfigurationABooleansAndSpares) {
  setType(100);
  struct {
    TQILConfigRec general;
    uint8_t text[32];
  } config{};
  auto specific = marked<TQILConfigA>();
  int16_t five = 5;
  std::memcpy(reinterpret_cast<uint8_t*>(&specific) + 2, &five, 2);
  ASSERT_EQ(TQILSetConfig(&camera, &config.general, &specific), 0);
  int32_t word;
  std::memcpy(&word, last().specific.data() + 4, 4);
  EXPECT_EQ(word, 1) << "a boolean arrives as 0 or 1";
  EXPECT_EQ(last().addresses[1], reinterpret_cast<uintptr_t>(config.text)) << "the text area is the caller's";

  auto got = marked<TQILConfigA>();
  ASSERT_EQ(TQILGetConfig(&camera, &config.general, &got), 0);
  expectFrom(&got, 2, 4, 2);
  for (std::size_t spare : {16, 46}) expectUntouched(&got, spare, 2);
  expectFrom(&got, 52, 64, 2);
}

TEST_F(BridgeTest, ConfigurationBFeedsOffset38FromTheWordAt40) {
  setType(101);
  TQILConfigRec config{};
  auto got = marked<TQILConfigB>();
  ASSERT_EQ(TQILGetConfig(&camera, &config, &got), 0);
  expectFrom(&got, 38, 40, 2);
  expectUntouched(&got, 2, 2);
}

TEST_F(BridgeTest, ImageProcessingPairsItsWordsOutOfOrder) {
  auto settings = marked<TQILImageProcRec>();
  ASSERT_EQ(TQILGetImageProcessing(&camera, &settings), 0);
  expectUntouched(&settings, 0, 8);
  expectFrom(&settings, 8, 8, 4);
  expectFrom(&settings, 12, 4, 4);
  expectFrom(&settings, 16, 0, 2);
  expectFrom(&settings, 18, 12, 2);
  expectFrom(&settings, 20, 16, 4);
  expectFrom(&settings, 24, 24, 88);
  EXPECT_EQ(TQILGetOutputWindow(&camera, nullptr), 0) << "a get without its record still calls";
  EXPECT_EQ(last().function, "GetOutputWindow");
}

TEST_F(BridgeTest, SettingsGoInAsTheirTablesSay) {
  auto settings = marked<TQILImageProcRec>(0);
  settings.at8 = 8;
  settings.at12 = 12;
  settings.at16 = -3;  // a boolean: nonzero arrives as 1
  settings.at18 = 0;
  settings.words[21] = 108;
  ASSERT_EQ(TQILSetImageProcessing(&camera, &settings), 0);
  TQImageProcRec sent;
  std::memcpy(&sent, last().general.data(), sizeof sent);
  EXPECT_EQ(sent.at0, 1);
  EXPECT_EQ(sent.at4, 12);
  EXPECT_EQ(sent.at8, 8);
  EXPECT_EQ(sent.at12, 0);
  EXPECT_EQ(sent.words[21], 108);
  EXPECT_EQ(TQILSetImageProcessing(&camera, nullptr), TQ_BadArgError);
  EXPECT_EQ(fake().calls.size(), 1u);

  // Without a type record, or for a type without one, the SDK gets null in its place.
  TQILConfigRec config{};
  TQILConfigC specific{};
  ASSERT_EQ(TQILSetConfig(&camera, &config, nullptr), 0);
  EXPECT_FALSE(last().specificPassed);
  setType(105);
  ASSERT_EQ(TQILSetConfig(&camera, &config, &specific), 0);
  EXPECT_FALSE(last().specificPassed);
}

}  // namespace
}  // namespace tqbridge::test

// Missing, short and oversized arguments: an error code, nothing written, no crash.
#include <cstring>
#include <fstream>
#include <functional>
#include <memory>
#include <random>

#include "camera_fixture.h"
#include "sdk/scene.h"

namespace tqsdk::test {
namespace {

// Every record and buffer a call may take, valid, in one block of memory so that a
// snapshot shows any write.
struct Records {
  Session session{101};
  TQStatusRec status{};
  uint8_t specific[161] = {};
  char text[32] = "OWNER";
  TQConfigRec config{};
  TQImageProcRec processing{};
  TQOutputWindowRec window{};
  TQPreviewInfoRec preview{};
  uint8_t thumbnail[18432] = {};
  TQPictInfoRec info{};
  uint8_t working[400000] = {};
  uint8_t output[400000] = {};
  TQMemBlock block1{}, block2{};
  TQTransferExtra extra{};
  int32_t size = -7, type = -7, count = -7;
  char names[256] = {};

  Records() {
    config.text = text;
    info.number = 1;
    info.thumbnail = thumbnail;
    block1 = {working, int32_t(sizeof working), 0, 0};
    block2 = {output, int32_t(sizeof output), 0, 0};
  }
  TQCameraRec* cam() { return &session.camera; }
  std::vector<uint8_t> snapshot() const {
    const auto* p = reinterpret_cast<const uint8_t*>(this);
    return {p, p + sizeof *this};
  }
};

struct Call {
  const char* name;
  std::function<int16_t(Records&)> run;
};

class BadInputTest : public CameraTest {
 protected:
  void SetUp() override {
    CameraTest::SetUp();
    put_picture(1, 64, 48);
    records = std::make_unique<Records>();
    open(records->session);
  }
  void TearDown() override {
    close(records->session);
    CameraTest::TearDown();
  }
  void expect_refused(const std::vector<Call>& calls, int16_t code) {
    for (const Call& call : calls) {
      const auto before = records->snapshot();
      EXPECT_EQ(call.run(*records), code) << call.name;
      EXPECT_TRUE(records->snapshot() == before) << call.name << " wrote";
    }
  }
  std::unique_ptr<Records> records;
};

// Every camera function, called with the camera record given.
std::vector<Call> with_camera(std::function<TQCameraRec*(Records&)> camera) {
  auto c = camera;
  return {
      {"OpenCamera", [c](Records& r) { return TQOpenCamera(c(r)); }},
      {"CloseCamera", [c](Records& r) { return TQCloseCamera(c(r)); }},
      {"ResetCamera", [c](Records& r) { return TQResetCamera(c(r)); }},
      {"PreviewErase", [c](Records& r) { return TQPreviewErase(c(r)); }},
      {"GetStatus", [c](Records& r) { return TQGetStatus(c(r), &r.status, r.specific); }},
      {"GetConfig", [c](Records& r) { return TQGetConfig(c(r), &r.config, r.specific); }},
      {"SetConfig", [c](Records& r) { return TQSetConfig(c(r), &r.config, r.specific); }},
      {"GetImageProcessing", [c](Records& r) { return TQGetImageProcessing(c(r), &r.processing); }},
      {"SetImageProcessing", [c](Records& r) { return TQSetImageProcessing(c(r), &r.processing); }},
      {"GetOutputWindow", [c](Records& r) { return TQGetOutputWindow(c(r), &r.window); }},
      {"SetOutputWindow", [c](Records& r) { return TQSetOutputWindow(c(r), &r.window); }},
      {"PreviewGetInfo", [c](Records& r) { return TQPreviewGetInfo(c(r), &r.preview); }},
      {"TakePicture", [c](Records& r) { return TQTakePicture(c(r), 1, 1, &r.info, r.specific); }},
      {"PreviewStore", [c](Records& r) { return TQPreviewStore(c(r), 1, 1, &r.info, r.specific); }},
      {"GetCameraPictInfo", [c](Records& r) { return TQGetCameraPictInfo(c(r), 1, -1, 1, 1, &r.info, r.specific); }},
      {"GetNativePictInfo", [c](Records& r) { return TQGetNativePictInfo(c(r), &r.block1, 1, &r.info, r.specific); }},
      {"GetNativeCameraType", [c](Records& r) { return TQGetNativeCameraType(c(r), &r.block1, &r.type); }},
      {"DeletePicture", [c](Records& r) { return TQDeletePicture(c(r), 1, -1, 1); }},
      {"CopyMemToCard", [c](Records& r) { return TQCopyMemToCard(c(r), 1, 1); }},
      {"GetCameraPicture",
       [c](Records& r) { return TQGetCameraPicture(c(r), 1, -1, &r.info, &r.block1, &r.block2, &r.extra); }},
      {"GetNativePicture", [c](Records& r) { return TQGetNativePicture(c(r), 1, -1, &r.info, &r.block1, &r.extra); }},
      {"ProcNativePicture", [c](Records& r) { return TQProcNativePicture(c(r), &r.info, &r.block1, &r.block2, &r.extra); }},
      {"GetCameraPictureAsJPEG",
       [c](Records& r) {
         return TQGetCameraPictureAsJPEG(c(r), 1, -1, &r.info, 1, &r.size, &r.block1, &r.block2, &r.extra);
       }},
      {"ProcNativePictureAsJPEG",
       [c](Records& r) { return TQProcNativePictureAsJPEG(c(r), &r.info, 1, &r.size, &r.block1, &r.block2, &r.extra); }},
      {"PreviewGetPicture", [c](Records& r) { return TQPreviewGetPicture(c(r), &r.block1, &r.block2, &r.extra); }},
      {"AlbumGetAvailable", [c](Records& r) { return TQAlbumGetAvailable(c(r), uintptr_t(&r.count)); }},
      {"AlbumSetAvailable", [c](Records& r) { return TQAlbumSetAvailable(c(r), 2); }},
      {"AlbumSetActive", [c](Records& r) { return TQAlbumSetActive(c(r), 0); }},
      {"AlbumGetAllName", [c](Records& r) { return TQAlbumGetAllName(c(r), uintptr_t(r.names), sizeof r.names); }},
      {"AlbumErase", [c](Records& r) { return TQAlbumErase(c(r), 0, 0); }},
      {"AlbumChangeName", [c](Records& r) { return TQAlbumChangeName(c(r), uintptr_t(r.text), 0, 5); }},
      {"AlbumGetPictureName",
       [c](Records& r) { return TQAlbumGetPictureName(c(r), uintptr_t(r.names), 1, sizeof r.names); }},
      {"AlbumMoveImage", [c](Records& r) { return TQAlbumMoveImage(c(r), 1, -1, 1, 0); }},
  };
}

TEST_F(BadInputTest, MissingRecordsAreBadArguments) {
  expect_refused({{"OpenDriver", [](Records&) { return TQOpenDriver(0, nullptr); }},
                  {"CloseDriver", [](Records&) { return TQCloseDriver(nullptr); }}},
                 -1000);
  expect_refused(with_camera([](Records&) { return nullptr; }), -1000);
  expect_refused(with_camera([](Records& r) {
                   static TQCameraRec nodriver;
                   nodriver = r.session.camera;
                   nodriver.driver = nullptr;
                   return &nodriver;
                 }),
                 -1000);
}

TEST_F(BadInputTest, MissingArgumentsAreBadArguments) {
  static TQMemBlock noaddress{nullptr, 1000, 0, 0};
  expect_refused(
      {
          {"status", [](Records& r) { return TQGetStatus(r.cam(), nullptr, r.specific); }},
          {"configuration", [](Records& r) { return TQGetConfig(r.cam(), nullptr, r.specific); }},
          {"configuration to set", [](Records& r) { return TQSetConfig(r.cam(), nullptr, r.specific); }},
          {"configuration text",
           [](Records& r) {
             static TQConfigRec notext;
             notext = r.config;
             notext.text = nullptr;
             return TQGetConfig(r.cam(), &notext, r.specific);
           }},
          {"image processing", [](Records& r) { return TQGetImageProcessing(r.cam(), nullptr); }},
          {"image processing to set", [](Records& r) { return TQSetImageProcessing(r.cam(), nullptr); }},
          {"output window", [](Records& r) { return TQGetOutputWindow(r.cam(), nullptr); }},
          {"output window to set", [](Records& r) { return TQSetOutputWindow(r.cam(), nullptr); }},
          {"preview information", [](Records& r) { return TQPreviewGetInfo(r.cam(), nullptr); }},
          {"information of a new picture", [](Records& r) { return TQTakePicture(r.cam(), 1, 0, nullptr, nullptr); }},
          {"information of a stored preview",
           [](Records& r) { return TQPreviewStore(r.cam(), 1, 0, nullptr, nullptr); }},
          {"picture information",
           [](Records& r) { return TQGetCameraPictInfo(r.cam(), 1, -1, 1, 0, nullptr, nullptr); }},
          {"thumbnail asked for",
           [](Records& r) {
             static TQPictInfoRec nothumbnail;
             nothumbnail = r.info;
             nothumbnail.thumbnail = nullptr;
             return TQGetCameraPictInfo(r.cam(), 1, -1, 1, 1, &nothumbnail, r.specific);
           }},
          {"native data", [](Records& r) { return TQGetNativePictInfo(r.cam(), nullptr, 0, &r.info, nullptr); }},
          {"native data address",
           [](Records& r) { return TQGetNativePictInfo(r.cam(), &noaddress, 0, &r.info, nullptr); }},
          {"native type data", [](Records& r) { return TQGetNativeCameraType(r.cam(), &noaddress, &r.type); }},
          {"native type word", [](Records& r) { return TQGetNativeCameraType(r.cam(), &r.block1, nullptr); }},
          {"transfer information",
           [](Records& r) { return TQGetCameraPicture(r.cam(), 1, -1, nullptr, &r.block1, &r.block2, &r.extra); }},
          {"transfer buffer 1",
           [](Records& r) { return TQGetCameraPicture(r.cam(), 1, -1, &r.info, &noaddress, &r.block2, &r.extra); }},
          {"transfer buffer 2",
           [](Records& r) { return TQGetCameraPicture(r.cam(), 1, -1, &r.info, &r.block1, nullptr, &r.extra); }},
          {"transfer extra",
           [](Records& r) { return TQGetCameraPicture(r.cam(), 1, -1, &r.info, &r.block1, &r.block2, nullptr); }},
          {"native transfer buffer",
           [](Records& r) { return TQGetNativePicture(r.cam(), 1, -1, &r.info, &noaddress, &r.extra); }},
          {"processing buffer 2",
           [](Records& r) { return TQProcNativePicture(r.cam(), &r.info, &r.block1, &noaddress, &r.extra); }},
          {"JPEG size word",
           [](Records& r) {
             return TQGetCameraPictureAsJPEG(r.cam(), 1, -1, &r.info, 1, nullptr, &r.block1, &r.block2, &r.extra);
           }},
          {"JPEG buffer",
           [](Records& r) {
             return TQGetCameraPictureAsJPEG(r.cam(), 1, -1, &r.info, 1, &r.size, &r.block1, &noaddress, &r.extra);
           }},
          {"processing JPEG source",
           [](Records& r) {
             return TQProcNativePictureAsJPEG(r.cam(), &r.info, 1, &r.size, nullptr, &r.block2, &r.extra);
           }},
          {"preview buffer 2",
           [](Records& r) { return TQPreviewGetPicture(r.cam(), &r.block1, &noaddress, &r.extra); }},
          {"album count word", [](Records& r) { return TQAlbumGetAvailable(r.cam(), 0); }},
          {"album names buffer", [](Records& r) { return TQAlbumGetAllName(r.cam(), 0, 256); }},
          {"album name", [](Records& r) { return TQAlbumChangeName(r.cam(), 0, 0, 5); }},
          {"picture name buffer", [](Records& r) { return TQAlbumGetPictureName(r.cam(), 0, 1, 13); }},
      },
      -1000);
}

TEST_F(BadInputTest, ValuesOutOfRangeAreBadArguments) {
  static TQMemBlock negative{nullptr, -1, 0, 0}, spare{nullptr, 1000, 0, 1};
  static TQTransferExtra extra{0, 5};
  expect_refused(
      {
          {"picture 0", [](Records& r) { return TQGetCameraPictInfo(r.cam(), 1, -1, 0, 1, &r.info, r.specific); }},
          {"picture 2 of 1",
           [](Records& r) { return TQGetCameraPictInfo(r.cam(), 1, -1, 2, 1, &r.info, r.specific); }},
          {"picture 32767",
           [](Records& r) { return TQGetCameraPictInfo(r.cam(), 1, -1, 32767, 1, &r.info, r.specific); }},
          {"store 3", [](Records& r) { return TQGetCameraPictInfo(r.cam(), 3, -1, 1, 1, &r.info, r.specific); }},
          {"store -1", [](Records& r) { return TQGetCameraPictInfo(r.cam(), -1, -1, 1, 1, &r.info, r.specific); }},
          {"album 4 of 4", [](Records& r) { return TQGetCameraPictInfo(r.cam(), 1, 4, 1, 1, &r.info, r.specific); }},
          {"album -2", [](Records& r) { return TQGetCameraPictInfo(r.cam(), 1, -2, 1, 1, &r.info, r.specific); }},
          {"flag 2", [](Records& r) { return TQGetCameraPictInfo(r.cam(), 1, -1, 1, 2, &r.info, r.specific); }},
          {"take flag -1", [](Records& r) { return TQTakePicture(r.cam(), 1, -1, &r.info, r.specific); }},
          {"quality 3",
           [](Records& r) {
             return TQGetCameraPictureAsJPEG(r.cam(), 1, -1, &r.info, 3, &r.size, &r.block1, &r.block2, &r.extra);
           }},
          {"quality -1",
           [](Records& r) {
             return TQProcNativePictureAsJPEG(r.cam(), &r.info, -1, &r.size, &r.block1, &r.block2, &r.extra);
           }},
          {"negative size",
           [](Records& r) {
             negative.address = r.working;
             return TQGetNativePicture(r.cam(), 1, -1, &r.info, &negative, &r.extra);
           }},
          {"spare word of a block",
           [](Records& r) {
             spare.address = r.working;
             return TQGetNativePicture(r.cam(), 1, -1, &r.info, &spare, &r.extra);
           }},
          {"spare word of the extra",
           [](Records& r) { return TQGetNativePicture(r.cam(), 1, -1, &r.info, &r.block1, &extra); }},
          {"delete picture 2 of 1", [](Records& r) { return TQDeletePicture(r.cam(), 1, -1, 2); }},
          {"move from an empty memory", [](Records& r) { return TQCopyMemToCard(r.cam(), 1, -1); }},
          {"nine albums", [](Records& r) { return TQAlbumSetAvailable(r.cam(), 9); }},
          {"huge album count", [](Records& r) { return TQAlbumSetAvailable(r.cam(), UINTPTR_MAX); }},
          {"active album 32767", [](Records& r) { return TQAlbumSetActive(r.cam(), 32767); }},
          {"album names 1 byte short",
           [](Records& r) { return TQAlbumGetAllName(r.cam(), uintptr_t(r.names), 4 * 16 - 1); }},
          {"album name too long", [](Records& r) { return TQAlbumChangeName(r.cam(), uintptr_t(r.names), 0, 16); }},
          {"album name of huge length",
           [](Records& r) { return TQAlbumChangeName(r.cam(), uintptr_t(r.names), 0, UINTPTR_MAX); }},
          {"album erase mode 2", [](Records& r) { return TQAlbumErase(r.cam(), 2, 0); }},
          {"move into album 9", [](Records& r) { return TQAlbumMoveImage(r.cam(), 1, -1, 1, 9); }},
          {"picture name 12 bytes",
           [](Records& r) { return TQAlbumGetPictureName(r.cam(), uintptr_t(r.names), 1, 12); }},
      },
      -1000);
}

TEST_F(BadInputTest, OnlyTheLowHalfOfASixteenBitArgumentCounts) {
  EXPECT_EQ(TQGetCameraPictInfo(records->cam(), 1, 0x7FFFFFFF, 0x00010001, 0, &records->info, nullptr), 0);
  EXPECT_EQ(records->info.number, 1);
}

TEST_F(BadInputTest, DamagedNativeDataIsAnImageProcessErrorAndNeverReadBeyondItsSize) {
  const uint32_t width = 37, height = 23;
  std::vector<uint8_t> good(native_size(width, height));
  write_native_header({104, width, height, 0, {}}, good.data());
  render_scene(3, width, height, good.data() + native_header_size);
  std::mt19937 random(12345);
  TQTransferExtra extra{};
  for (int round = 0; round < 300; ++round) {
    // A fresh exact-size copy, so that a read past the stated size meets the sanitizer.
    const size_t size = round % 3 == 0 ? random() % good.size() : good.size();
    std::vector<uint8_t> data(good.begin(), good.begin() + std::ptrdiff_t(size));
    if (size > 0) data[random() % std::min<size_t>(size, native_header_size)] ^= uint8_t(1 + random() % 255);
    TQMemBlock block{data.empty() ? static_cast<void*>(&extra) : data.data(), int32_t(size), 0, 0};
    TQPictInfoRec info{};
    info.thumbnail = records->thumbnail;
    int32_t type = 0;
    const int16_t code = TQGetNativePictInfo(records->cam(), &block, 1, &info, records->specific);
    EXPECT_TRUE(code == 0 || code == -1009) << code;
    EXPECT_EQ(TQGetNativeCameraType(records->cam(), &block, &type), code);
    EXPECT_EQ(TQProcNativePicture(records->cam(), &info, &block, &records->block2, &extra), code);
    int32_t jpegsize = 0;
    EXPECT_EQ(TQProcNativePictureAsJPEG(records->cam(), &info, 0, &jpegsize, &block, &records->block2, &extra),
              code);
  }
}

TEST_F(BadInputTest, ADamagedPictureOnTheCardIsAnImageProcessError) {
  std::ofstream(card / "PIC00002.TQN", std::ios::binary) << "TQN1 and then nothing that makes sense";
  fs::create_directory(card / "PIC00003.TQN");
  Records& r = *records;
  EXPECT_EQ(TQGetCameraPictInfo(r.cam(), 1, -1, 2, 1, &r.info, r.specific), -1009);
  EXPECT_EQ(TQGetCameraPictInfo(r.cam(), 1, -1, 3, 1, &r.info, r.specific), -1000) << "a folder is no picture";
  r.info.number = 2;
  EXPECT_EQ(TQGetNativePicture(r.cam(), 1, -1, &r.info, &r.block1, &r.extra), -1009);
  EXPECT_EQ(TQGetCameraPictureAsJPEG(r.cam(), 1, -1, &r.info, 1, &r.size, &r.block1, &r.block2, &r.extra), -1009);
}

}  // namespace
}  // namespace tqsdk::test

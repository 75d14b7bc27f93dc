// The host's download through the bridge into the simulated camera, as the camera window
// does it: flat records only, the host's own buffer sizes.
#include <vector>

#include "tests/sdk/camera_fixture.h"
#include "tests/sdk/decode_jpeg.h"
#include "tqbridge.h"

namespace tqbridge::test {
namespace {

using tqsdk::test::decode_jpeg;

// The first size bytes of jpeg decode to a width x height picture.
void expectJpeg(const std::vector<uint8_t>& jpeg, int32_t size, uint32_t width, uint32_t height) {
  ASSERT_GT(size, 0);
  ASSERT_LE(size_t(size), jpeg.size());
  const auto decoded = decode_jpeg(jpeg.data(), size_t(size));
  ASSERT_TRUE(decoded);
  EXPECT_EQ(decoded->width, width);
  EXPECT_EQ(decoded->height, height);
}

// The host's session record, prepared from its camera settings.
struct HostSession {
  TQILCameraRec record{};
  HostSession(int32_t type, int32_t port) {
    record.driver.driverword = record.driver.cameratype = type;
    record.port = port;
    record.cameratype = record.cameratype2 = type;
    record.bitrate = 576;
  }
};

class EndToEndTest : public tqsdk::test::CameraTest {
 protected:
  static int16_t openDriver(HostSession& host) {
    const int16_t version = 256;
    return TQILOpenDriver(reinterpret_cast<uintptr_t>(&version), &host.record.driver);
  }
  void open(HostSession& host) {
    ASSERT_EQ(openDriver(host), 0);
    ASSERT_EQ(TQILOpenCamera(&host.record), 0);
  }
  void close(HostSession& host) {
    EXPECT_EQ(TQILCloseCamera(&host.record), 0);
    EXPECT_EQ(TQILCloseDriver(&host.record.driver), 0);
  }
  int16_t pictures(HostSession& host) {
    TQILStatusRec status{};
    EXPECT_EQ(TQILGetStatus(&host.record, &status, nullptr), 0);
    return status.pictures;
  }
};

TEST_F(EndToEndTest, StatusViewAndBothSaves) {
  put_picture(1, 800, 600);
  put_picture(2, 480, 640, 1);
  HostSession host(104, 1);
  open(host);

  TQILStatusRec status{};
  TQILStatusC statusC{};
  ASSERT_EQ(TQILGetStatus(&host.record, &status, &statusC), 0);
  EXPECT_EQ(status.pictures, 2);
  EXPECT_GE(status.year, 2024);

  // View picture 2: a thumbnail within the host's 14400 bytes, for a picture turned once.
  std::vector<uint8_t> thumbnail(14400);
  TQILPictInfoRec info{};
  TQILPictInfoC infoC{};
  ASSERT_EQ(TQILGetCameraPictInfo(&host.record, 1, -1, 2, 1, thumbnail.data(), &info, &infoC), 0);
  EXPECT_EQ(info.number, 2);
  EXPECT_EQ(infoC.orientation, 1);
  EXPECT_EQ(info.thumbwidth, 80) << "width and height swapped for orientation 1";
  EXPECT_EQ(info.thumbheight, 60);
  EXPECT_EQ(info.picturesize, int32_t(tqsdk::native_size(480, 640)));

  // JPEG save: the source buffer sized by the working size, the JPEG buffer of 1000000 bytes.
  std::vector<uint8_t> source(size_t(info.workingsize)), jpeg(1000000);
  int32_t jpegsize = 0;
  ASSERT_EQ(TQILGetCameraPictureAsJPEG(&host.record, 1, -1, &info, 1, &jpegsize, info.workingsize, source.data(),
                                       1000000, jpeg.data()),
            0);
  expectJpeg(jpeg, jpegsize, 480, 640);

  // Native save of picture 1, then its JPEG made from the native form in memory.
  TQILPictInfoRec first{};
  ASSERT_EQ(TQILGetCameraPictInfo(&host.record, 0, -1, 1, 0, thumbnail.data(), &first, &infoC), 0);
  std::vector<uint8_t> native(size_t(first.picturesize));
  ASSERT_EQ(TQILGetNativePicture(&host.record, 0, -1, &first, first.picturesize, native.data()), 0);
  ASSERT_EQ(TQILProcNativePictureAsJPEG(&host.record, &first, 1, &jpegsize, first.picturesize, native.data(),
                                        1000000, jpeg.data()),
            0);
  expectJpeg(jpeg, jpegsize, 800, 600);
  close(host);
}

TEST_F(EndToEndTest, TakeAndDelete) {
  HostSession host(100, 0);
  open(host);
  TQILPictInfoRec info{};
  TQILPictInfoA infoA{};
  std::vector<uint8_t> thumbnail(18432);
  ASSERT_EQ(TQILTakePicture(&host.record, 1, 1, thumbnail.data(), &info, &infoA), 0);
  EXPECT_LE(info.thumbwidth, 96);
  EXPECT_LE(info.thumbheight, 64);
  EXPECT_EQ(infoA.orientation, 0);
  EXPECT_EQ(pictures(host), 1);
  ASSERT_EQ(TQILDeletePicture(&host.record, 1, -1, 1), 0);
  EXPECT_EQ(pictures(host), 0);
  close(host);
}

TEST_F(EndToEndTest, AWrongPortAndATooSmallBuffer) {
  put_picture(1, 800, 600);
  HostSession wrong(104, 2);
  ASSERT_EQ(openDriver(wrong), 0);
  EXPECT_EQ(TQILOpenCamera(&wrong.record), -1002);

  HostSession host(104, 1);
  open(host);
  TQILPictInfoRec info{};
  std::vector<uint8_t> thumbnail(14400);
  ASSERT_EQ(TQILGetCameraPictInfo(&host.record, 1, -1, 1, 0, thumbnail.data(), &info, nullptr), 0);
  std::vector<uint8_t> source(size_t(info.workingsize)), jpeg(1000);
  int32_t jpegsize = 0;
  EXPECT_EQ(TQILGetCameraPictureAsJPEG(&host.record, 1, -1, &info, 1, &jpegsize, info.workingsize, source.data(),
                                       1000, jpeg.data()),
            -1022)
      << "memory full: the JPEG does not fit";
  EXPECT_EQ(TQILGetNativePicture(&host.record, 1, -1, &info, 1000, source.data()), TQ_BadArgError)
      << "a buffer smaller than the picture";
  close(host);
}

}  // namespace
}  // namespace tqbridge::test

// Picture information with thumbnails, the transfers, taking and deleting.
#include <algorithm>
#include <cstring>
#include <fstream>

#include "camera_fixture.h"
#include "decode_jpeg.h"

namespace tqsdk::test {
namespace {

using PicturesTest = CameraTest;

int32_t word(const void* record, size_t offset) {
  int32_t v;
  std::memcpy(&v, static_cast<const uint8_t*>(record) + offset, 4);
  return v;
}

// The host's thumbnail buffers, and where each type's record gives the orientation.
struct ThumbCase {
  const char* name;
  int32_t type;
  size_t buffer, orientationat;
  uint32_t width, height;
  uint16_t orientation;
  int16_t widthfield, heightfield;
};

class ThumbnailTest : public CameraTest, public ::testing::WithParamInterface<ThumbCase> {};

TEST_P(ThumbnailTest, PictureInformationBringsAThumbnailWithinTheHostsBuffer) {
  const ThumbCase& c = GetParam();
  put_picture(1, 640, 480);
  put_picture(2, c.width, c.height, c.orientation);
  Session session(c.type);
  open(session);
  // Two buffers of different fillings show which bytes were written.
  Guarded thumbnail(c.buffer), again(c.buffer, 0x5A);
  TQPictInfoRec info{};
  info.thumbnail = again.data();
  ASSERT_EQ(TQGetCameraPictInfo(&session.camera, 1, -1, 2, 1, &info, nullptr), 0);
  info.thumbnail = thumbnail.data();
  uint8_t specific[161] = {};
  ASSERT_EQ(TQGetCameraPictInfo(&session.camera, 1, -1, 2, 1, &info, specific), 0);
  EXPECT_EQ(info.number, 2);
  EXPECT_EQ(info.thumbwidth, c.widthfield);
  EXPECT_EQ(info.thumbheight, c.heightfield);
  EXPECT_EQ(info.word1, int32_t(c.width));
  EXPECT_EQ(info.word2, int32_t(c.height));
  EXPECT_EQ(info.picturesize, int32_t(native_size(c.width, c.height)));
  EXPECT_GE(info.workingsize, info.picturesize);
  EXPECT_EQ(info.year, 1997);
  EXPECT_EQ(info.month, 12);
  EXPECT_EQ(info.day, 9);
  if (c.type != 1) {
    EXPECT_EQ(word(specific, c.orientationat), c.orientation);
  }
  // The host draws h rows of w points: exactly those bytes are written.
  const size_t drawn = size_t(info.thumbwidth) * size_t(info.thumbheight) * 3;
  ASSERT_LE(drawn, c.buffer);
  EXPECT_TRUE(std::equal(thumbnail.bytes.begin(), thumbnail.bytes.begin() + std::ptrdiff_t(drawn), again.bytes.begin()));
  thumbnail.size = again.size = drawn;
  EXPECT_TRUE(thumbnail.guard_intact() && again.guard_intact());
  close(session);
}

INSTANTIATE_TEST_SUITE_P(
    Types, ThumbnailTest,
    ::testing::Values(ThumbCase{"A_level", 100, 18432, 12, 1600, 1200, 0, 85, 64},
                      ThumbCase{"B_upright", 101, 18432, 36, 768, 1024, 1, 85, 64},
                      ThumbCase{"C_upright", 104, 14400, 36, 480, 640, 3, 80, 60},
                      ThumbCase{"generic_upright", 1, 14400, 0, 480, 640, 1, 60, 80}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(PicturesTest, JpegTransferDecodesToThePicturesSize) {
  put_picture(1, 800, 600);
  put_picture(2, 480, 640, 1);
  Session session(104);
  open(session);
  for (int16_t number : {1, 2}) {
    TQPictInfoRec info{};
    ASSERT_EQ(TQGetCameraPictInfo(&session.camera, 1, -1, number, 0, &info, nullptr), 0);
    Guarded source(size_t(info.workingsize)), jpeg(1000000);
    TQMemBlock block1 = source.block(), block2 = jpeg.block();
    TQTransferExtra extra{};
    int32_t size = -1;
    ASSERT_EQ(TQGetCameraPictureAsJPEG(&session.camera, 1, -1, &info, 1, &size, &block1, &block2, &extra), 0);
    const auto decoded = decode_jpeg(jpeg.data(), size_t(size));
    ASSERT_TRUE(decoded) << number;
    EXPECT_EQ(int32_t(decoded->width), info.word1);
    EXPECT_EQ(int32_t(decoded->height), info.word2);
    EXPECT_TRUE(source.guard_intact() && jpeg.guard_intact());
  }
  close(session);
}

TEST_F(PicturesTest, AJpegThatDoesNotFitIsMemoryFullAndStaysInItsBuffer) {
  put_picture(1, 800, 600);
  Session session(104);
  open(session);
  TQPictInfoRec info{};
  ASSERT_EQ(TQGetCameraPictInfo(&session.camera, 1, -1, 1, 0, &info, nullptr), 0);
  Guarded source(size_t(info.workingsize)), jpeg(5000);
  TQMemBlock block1 = source.block(), block2 = jpeg.block();
  TQTransferExtra extra{};
  int32_t size = -1;
  EXPECT_EQ(TQGetCameraPictureAsJPEG(&session.camera, 1, -1, &info, 1, &size, &block1, &block2, &extra), -1022);
  EXPECT_TRUE(jpeg.guard_intact());
  EXPECT_GT(size, 5000) << "the size it would need";
  close(session);
}

TEST_F(PicturesTest, NativeTransferThenProcessing) {
  put_picture(1, 640, 480);
  put_picture(2, 333, 251, 3);
  Session session(101);
  open(session);
  TQPictInfoRec info{};
  ASSERT_EQ(TQGetCameraPictInfo(&session.camera, 0, -1, 2, 0, &info, nullptr), 0);
  Guarded native(size_t(info.picturesize));
  TQMemBlock block = native.block();
  TQTransferExtra extra{};
  ASSERT_EQ(TQGetNativePicture(&session.camera, 0, -1, &info, &block, &extra), 0);
  EXPECT_TRUE(native.guard_intact());

  int32_t type = 0;
  EXPECT_EQ(TQGetNativeCameraType(&session.camera, &block, &type), 0);
  EXPECT_EQ(type, 104) << "the camera that took it";

  TQPictInfoRec described{};
  EXPECT_EQ(TQGetNativePictInfo(&session.camera, &block, 0, &described, nullptr), 0);
  EXPECT_EQ(described.word1, 333);
  EXPECT_EQ(described.picturesize, info.picturesize);
  EXPECT_EQ(described.thumbwidth, info.thumbwidth);

  Guarded jpeg(1000000);
  TQMemBlock out = jpeg.block();
  int32_t size = 0;
  ASSERT_EQ(TQProcNativePictureAsJPEG(&session.camera, &info, 2, &size, &block, &out, &extra), 0);
  const auto decoded = decode_jpeg(jpeg.data(), size_t(size));
  ASSERT_TRUE(decoded);
  EXPECT_EQ(decoded->width, 333u);
  EXPECT_EQ(decoded->height, 251u);

  // Processed form: blue-green-red rows from the bottom, each padded to four bytes.
  Guarded bits(size_t(bitmap_size(333, 251)));
  TQMemBlock bitsblock = bits.block();
  ASSERT_EQ(TQProcNativePicture(&session.camera, &info, &block, &bitsblock, &extra), 0);
  const uint8_t* bottomleft = native.data() + native_header_size + size_t(250) * 333 * 3;
  EXPECT_EQ(bits.bytes[0], bottomleft[2]);
  EXPECT_EQ(bits.bytes[2], bottomleft[0]);
  EXPECT_TRUE(bits.guard_intact());
  Guarded camerabits(size_t(bitmap_size(333, 251)));
  TQMemBlock cameraout = camerabits.block();
  ASSERT_EQ(TQGetCameraPicture(&session.camera, 1, -1, &info, &block, &cameraout, &extra), 0);
  EXPECT_EQ(camerabits.bytes, bits.bytes);
  close(session);
}

TEST_F(PicturesTest, BuffersOneByteShortAreRefused) {
  put_picture(1, 101, 77);
  Session session(104);
  open(session);
  TQPictInfoRec info{};
  ASSERT_EQ(TQGetCameraPictInfo(&session.camera, 1, -1, 1, 0, &info, nullptr), 0);
  const size_t native = size_t(info.picturesize), bits = size_t(bitmap_size(101, 77));
  Guarded a(native - 1), b(bits), c(native), d(bits - 1), jpeg(100000);
  TQMemBlock shortnative = a.block(), wholebits = b.block(), wholenative = c.block(), shortbits = d.block(),
             jpegblock = jpeg.block();
  TQTransferExtra extra{};
  int32_t size = -1;
  EXPECT_EQ(TQGetNativePicture(&session.camera, 1, -1, &info, &shortnative, &extra), -1000);
  EXPECT_EQ(TQGetCameraPicture(&session.camera, 1, -1, &info, &shortnative, &wholebits, &extra), -1000);
  EXPECT_EQ(TQGetCameraPicture(&session.camera, 1, -1, &info, &wholenative, &shortbits, &extra), -1000);
  EXPECT_EQ(TQGetCameraPictureAsJPEG(&session.camera, 1, -1, &info, 1, &size, &shortnative, &jpegblock, &extra),
            -1000);
  EXPECT_EQ(size, -1);
  for (Guarded* g : {&a, &b, &c, &d, &jpeg}) EXPECT_TRUE(g->guard_intact());
  close(session);
}

TEST_F(PicturesTest, TakeAndDelete) {
  put_picture(4, 64, 48);
  Session session(100);
  open(session);
  // The smallest picture size keeps the test quick.
  int16_t values[9] = {0, 0, 5, 1, 0, 0, 4, 0, 0};
  char owner[32] = "TEST";
  TQConfigRec config{};
  std::memcpy(config.values, values, sizeof values);
  config.text = owner;
  ASSERT_EQ(TQSetConfig(&session.camera, &config, nullptr), 0);

  Guarded thumbnail(18432);
  TQPictInfoRec info{};
  info.thumbnail = thumbnail.data();
  uint8_t specific[16] = {};
  ASSERT_EQ(TQTakePicture(&session.camera, 1, 1, &info, specific), 0);
  EXPECT_EQ(info.number, 2);
  EXPECT_EQ(info.word1, 640);
  EXPECT_EQ(info.word5, 5) << "the next serial number";
  EXPECT_TRUE(thumbnail.guard_intact());
  EXPECT_TRUE(fs::is_regular_file(card / "PIC00005.TQN"));
  EXPECT_EQ(picture_count(session), 2);

  EXPECT_EQ(TQDeletePicture(&session.camera, 1, -1, 3), -1000) << "no third picture";
  ASSERT_EQ(TQDeletePicture(&session.camera, 1, -1, 1), 0);
  EXPECT_FALSE(fs::exists(card / "PIC00004.TQN"));
  EXPECT_EQ(picture_count(session), 1);
  ASSERT_EQ(TQDeletePicture(&session.camera, 1, -1, -1), 0);
  EXPECT_EQ(picture_count(session), 0);
  close(session);
}

TEST_F(PicturesTest, InternalMemoryMovesToTheCard) {
  put_picture(1, 64, 48);
  put_picture(2, 64, 48, 0, true);
  put_picture(3, 64, 48, 0, true);
  Session session(104);
  open(session);
  TQPictInfoRec info{};
  ASSERT_EQ(TQGetCameraPictInfo(&session.camera, 2, -1, 2, 0, &info, nullptr), 0);
  EXPECT_EQ(info.word5, 3);
  EXPECT_EQ(TQCopyMemToCard(&session.camera, 3, 1), -1000);
  ASSERT_EQ(TQCopyMemToCard(&session.camera, 1, -1), 0);
  EXPECT_EQ(picture_count(session), 3);
  EXPECT_EQ(TQGetCameraPictInfo(&session.camera, 2, -1, 1, 0, &info, nullptr), -1000) << "the memory is empty";
  close(session);
}

TEST_F(PicturesTest, AFullCardTakesNoMorePictures) {
  // A sparse file stands for a card filled to the brim.
  fs::resize_file((std::ofstream(card / "PIC00001.TQN"), card / "PIC00001.TQN"), 128ull << 20);
  Session session(104);
  open(session);
  TQPictInfoRec info{};
  EXPECT_EQ(TQTakePicture(&session.camera, 1, 0, &info, nullptr), -1022);
  EXPECT_EQ(TQTakePicture(&session.camera, 2, 0, &info, nullptr), 0) << "the internal memory has room";
  EXPECT_EQ(TQCopyMemToCard(&session.camera, 1, 1), -1022);
  close(session);
}

}  // namespace
}  // namespace tqsdk::test

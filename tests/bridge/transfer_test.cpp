// Transfers, the preview gate, the camera's albums and the bitmap drawing.
#include <cstdint>
#include <tuple>
#include <vector>

#include "platform/gdi/gdi.h"
#include "tests/bridge/bridge_fixture.h"

namespace tqbridge::test {
namespace {

TEST_F(BridgeTest, JpegTransferChecksItsBuffersAndAlwaysWritesTheSizeWord) {
  std::vector<uint8_t> source(64), jpeg(1000000);
  TQILPictInfoRec info{};
  info.workingsize = 64;
  int32_t size = -7;
  EXPECT_EQ(TQILGetCameraPictureAsJPEG(&camera, 1, -1, &info, 1, &size, 64, nullptr, 1000000, jpeg.data()),
            TQ_BadArgError);
  EXPECT_EQ(size, -7);
  EXPECT_TRUE(fake().calls.empty());

  fake().code = -1022;
  fake().jpegSize = 4321;
  EXPECT_EQ(TQILGetCameraPictureAsJPEG(&camera, 1, -1, &info, 1, &size, 64, source.data(), 1000000, jpeg.data()),
            -1022);
  EXPECT_EQ(size, 4321);
  const FakeCall& call = last();
  // Selectors, quality, both blocks as (address, size, 0, 0) and the zeroed extra record.
  EXPECT_EQ(std::vector<int64_t>(call.values.begin() + 5, call.values.end()),
            (std::vector<int64_t>{1, 0xFFFF, 1, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(call.sizes, (std::vector<int32_t>{64, 1000000}));
  EXPECT_EQ(call.addresses[2], reinterpret_cast<uintptr_t>(source.data()));
  EXPECT_EQ(call.addresses[3], reinterpret_cast<uintptr_t>(jpeg.data()));
  EXPECT_EQ(call.addresses[1], 0u) << "the picture record goes in without a thumbnail address";
  int32_t working;
  std::memcpy(&working, call.general.data() + offsetof(TQPictInfoRec, workingsize), 4);
  EXPECT_EQ(working, 64);
}

TEST_F(BridgeTest, NativeTransfersRefuseMissingBuffers) {
  TQILPictInfoRec info{};
  uint8_t buffer[8];
  int32_t type = 0;
  EXPECT_EQ(TQILGetNativePicture(&camera, 1, -1, &info, 8, nullptr), TQ_BadArgError);
  EXPECT_EQ(TQILProcNativePicture(&camera, &info, 8, buffer, 8, nullptr), TQ_BadArgError);
  EXPECT_EQ(TQILGetNativeCameraType(&camera, 8, nullptr, &type), TQ_BadArgError);
  // The picture description and the JPEG size word are required like the buffers.
  int32_t size = 0;
  EXPECT_EQ(TQILGetNativePicture(&camera, 1, -1, nullptr, 8, buffer), TQ_BadArgError);
  EXPECT_EQ(TQILGetCameraPicture(&camera, 1, -1, nullptr, 8, buffer, 8, buffer), TQ_BadArgError);
  EXPECT_EQ(TQILProcNativePictureAsJPEG(&camera, nullptr, 1, &size, 8, buffer, 8, buffer), TQ_BadArgError);
  EXPECT_EQ(TQILProcNativePictureAsJPEG(&camera, &info, 1, nullptr, 8, buffer, 8, buffer), TQ_BadArgError);
  EXPECT_TRUE(fake().calls.empty());

  fake().code = -1010;
  EXPECT_EQ(TQILGetNativeCameraType(&camera, 8, buffer, &type), -1010);
  EXPECT_EQ(type, 101) << "the type word is stored whatever the SDK answered";
  EXPECT_EQ(last().sizes, (std::vector<int32_t>{8}));
}

TEST_F(BridgeTest, PreviewWorksWithTheSecondModelOnly) {
  setType(104);
  camera.port = 3;
  EXPECT_EQ(TQILPreviewErase(&camera), TQ_CameraFunctionNotSupported);
  setType(105);
  EXPECT_EQ(TQILPreviewErase(&camera), TQ_BadArgError);
  EXPECT_TRUE(fake().calls.empty());

  setType(101);
  uint8_t buffer[8];
  EXPECT_EQ(TQILPreviewGetPicture(&camera, 8, buffer, 8, nullptr), TQ_BadArgError);
  EXPECT_TRUE(fake().calls.empty());
  auto info = marked<TQILPreviewInfoRec>();
  EXPECT_EQ(TQILPreviewGetInfo(&camera, &info), 0);
  EXPECT_EQ(raw(&info)[19], fakePattern(19));
}

TEST_F(BridgeTest, PreviewStoreDescribesThePictureWithRecordB) {
  setType(101);
  uint8_t thumbnail[16];
  auto info = marked<TQILPictInfoRec>();
  auto specific = marked<TQILPictInfoB>();
  ASSERT_EQ(TQILPreviewStore(&camera, 3, 9, thumbnail, &info, &specific), 0);
  EXPECT_EQ(std::vector<int64_t>(last().values.begin() + 5, last().values.end()), (std::vector<int64_t>{3, 1}));
  EXPECT_EQ(last().addresses[1], reinterpret_cast<uintptr_t>(thumbnail));
  EXPECT_EQ(last().specific.size(), sizeof(TQPictInfoB));
  EXPECT_EQ(raw(&info)[0], fakePattern(0));
  EXPECT_EQ(specific.name[8], fakePattern(66));
  EXPECT_EQ(raw(&specific)[42], 0xEE);

  setType(100);
  EXPECT_EQ(TQILPreviewStore(&camera, 3, 1, thumbnail, &info, &specific), TQ_CameraFunctionNotSupported);
  EXPECT_EQ(fake().calls.size(), 1u);
}

TEST_F(BridgeTest, AlbumValuesPassStraightThrough) {
  setType(100);
  EXPECT_EQ(TQILAlbumSetActive(&camera, 0x20005), 0);
  EXPECT_EQ(last().function, "AlbumSetActive");
  EXPECT_EQ(last().values, (std::vector<int64_t>{5}));
  EXPECT_EQ(TQILAlbumMoveImage(&camera, 77, 1, 2, -1), 0);
  EXPECT_EQ(last().values, (std::vector<int64_t>{77, 1, 2, 0xFFFF}));
}

// Draws w x h points through the bridge onto a surface and gives the surface's pixels.
std::vector<uint32_t> draw(int width, int height, int bitcount, const std::vector<uint8_t>& bits) {
  std::vector<uint32_t> pixels(std::size_t(width * height), 0);
  HDC dc = GdiCreateSurfaceDC(pixels.data(), width, height);
  EXPECT_EQ(TransferBitmap(12345, dc, width, height, bitcount, const_cast<uint8_t*>(bits.data())), 0);
  DeleteDC(dc);
  return pixels;
}

TEST(TransferBitmap, AnEightBitPictureArrivesAsTheGreyRamp) {
  // 3 x 2, rows bottom-up, each padded to 4 bytes.
  const std::vector<uint8_t> bits = {10, 20, 30, 0, 200, 210, 220, 0};
  const auto pixels = draw(3, 2, 8, bits);
  EXPECT_EQ(pixels[0], 0xFFC8C8C8u);  // top-left: the second stored row
  EXPECT_EQ(pixels[2], 0xFFDCDCDCu);
  EXPECT_EQ(pixels[3], 0xFF0A0A0Au);  // bottom-left: the first stored row
}

TEST(TransferBitmap, ATwentyFourBitPictureArrivesInItsColours) {
  // 2 x 1: blue then red, as blue-green-red bytes padded to 8.
  const std::vector<uint8_t> bits = {255, 0, 0, 0, 0, 255, 0, 0};
  const auto pixels = draw(2, 1, 24, bits);
  EXPECT_EQ(pixels[0], 0xFF0000FFu);
  EXPECT_EQ(pixels[1], 0xFFFF0000u);
  EXPECT_EQ(TransferBitmap(0, nullptr, 2, 1, 24, const_cast<uint8_t*>(bits.data())), 0) << "no context, no drawing";
}

TEST(TransferBitmap, ABitmapThatCannotBeMadeIsNotDrawn) {
  std::vector<uint32_t> pixels(4, 0);
  HDC dc = GdiCreateSurfaceDC(pixels.data(), 2, 2);
  uint8_t bits[8] = {};
  for (const auto& [width, height, bitcount] : {std::tuple{2, 2, 16}, {0, 2, 24}, {2, INT32_MIN, 24},
                                                {1 << 20, 1 << 20, 24}})
    EXPECT_EQ(TransferBitmap(0, dc, width, height, bitcount, bits), 0);
  EXPECT_EQ(pixels, std::vector<uint32_t>(4, 0));
  // Only the low 16 bits of the bit count count: this is an 8-bit picture of grey 0.
  EXPECT_EQ(TransferBitmap(0, dc, 2, 2, 8 + (1 << 16), bits), 0);
  EXPECT_EQ(pixels, std::vector<uint32_t>(4, 0xFF000000u));
  DeleteDC(dc);
}

}  // namespace
}  // namespace tqbridge::test

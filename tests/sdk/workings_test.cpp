// The camera's workings below its functions: native form, thumbnails, JPEG, card state.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <vector>

#include "decode_jpeg.h"
#include "sdk/card_state.h"
#include "sdk/jpeg_encoder.h"
#include "sdk/native_format.h"
#include "sdk/scene.h"
#include "sdk/thumbnail.h"

namespace tqsdk {
namespace {

std::vector<uint8_t> native_picture(uint32_t width, uint32_t height, uint16_t orientation = 0) {
  std::vector<uint8_t> data(native_size(width, height));
  write_native_header({104, width, height, orientation, {45, 23, 10, 9, 12, 1997}}, data.data());
  render_scene(7, width, height, data.data() + native_header_size);
  return data;
}

TEST(NativeForm, HeaderSurvivesTheRoundTrip) {
  const auto data = native_picture(40, 30, 3);
  const auto header = read_native_header(data.data(), data.size());
  ASSERT_TRUE(header);
  EXPECT_EQ(header->cameratype, 104);
  EXPECT_EQ(header->width, 40u);
  EXPECT_EQ(header->height, 30u);
  EXPECT_EQ(header->orientation, 3);
  EXPECT_EQ(header->taken.year, 1997);
  EXPECT_EQ(header->taken.seconds, 45);
}

TEST(NativeForm, RejectsDamagedData) {
  struct Case {
    const char* what;
    size_t offset;
    uint8_t value;
    size_t cut;
  };
  const Case cases[] = {
      {"magic", 0, 'X', 0},          {"header size", 4, 31, 0},    {"orientation", 6, 4, 0},
      {"zero width", 12, 0, 0},      {"width beyond limit", 15, 1, 0}, {"one byte short", 0, 'T', 1},
  };
  for (const Case& c : cases) {
    auto data = native_picture(40, 30);
    data[c.offset] = c.value;
    EXPECT_FALSE(read_native_header(data.data(), data.size() - c.cut)) << c.what;
  }
  EXPECT_FALSE(read_native_header(nullptr, 100));
  EXPECT_FALSE(read_native_header(native_picture(4, 4).data(), native_header_size - 1));
}

TEST(NativeForm, BitmapIsBottomUpBlueGreenRedWithPaddedRows) {
  const uint8_t rgb[] = {1, 2, 3, 4, 5, 6,     // top row
                         7, 8, 9, 10, 11, 12};  // bottom row
  ASSERT_EQ(bitmap_size(2, 2), 16u);
  std::vector<uint8_t> bits(16, 0xEE);
  native_to_bitmap(rgb, 2, 2, bits.data());
  const std::vector<uint8_t> expected = {9, 8, 7, 12, 11, 10, 0, 0, 3, 2, 1, 6, 5, 4, 0, 0};
  EXPECT_EQ(bits, expected);
}

struct PlanCase {
  const char* name;
  uint32_t width, height;
  uint16_t orientation;
  int32_t type;
  uint16_t widthfield, heightfield;
  uint32_t columns, rows;
};

class ThumbnailPlanTest : public ::testing::TestWithParam<PlanCase> {};

TEST_P(ThumbnailPlanTest, FitsTheHostsBuffer) {
  const PlanCase& c = GetParam();
  const Box box = thumbnail_box(c.type);
  const auto plan = plan_thumbnail(c.width, c.height, c.orientation, box, c.type != 1);
  EXPECT_EQ(plan.widthfield, c.widthfield);
  EXPECT_EQ(plan.heightfield, c.heightfield);
  EXPECT_EQ(plan.columns, c.columns);
  EXPECT_EQ(plan.rows, c.rows);
  EXPECT_LE(plan.bytes(), box.width * box.height * 3);
}

INSTANTIATE_TEST_SUITE_P(
    Pictures, ThumbnailPlanTest,
    ::testing::Values(PlanCase{"level_in_96x64", 1600, 1200, 0, 100, 85, 64, 85, 64},
                      PlanCase{"level_in_80x60", 1600, 1200, 0, 104, 80, 60, 80, 60},
                      PlanCase{"upright_fields_swapped", 768, 1024, 1, 101, 85, 64, 64, 85},
                      PlanCase{"upright_other_way", 480, 640, 3, 104, 80, 60, 60, 80},
                      PlanCase{"upright_generic_reports_its_own_size", 768, 1024, 1, 1, 60, 80, 60, 80},
                      PlanCase{"panorama", 4000, 100, 0, 100, 96, 2, 96, 2},
                      PlanCase{"one_point", 1, 1, 0, 104, 60, 60, 60, 60},
                      PlanCase{"tall_strip", 3, 5000, 0, 104, 1, 60, 1, 60}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Thumbnail, UprightPictureIsDrawnBottomUpInBlueGreenRed) {
  // Top half red, bottom half blue, 60 x 80 upright.
  std::vector<uint8_t> rgb(60 * 80 * 3);
  for (size_t y = 0; y < 80; ++y)
    for (size_t x = 0; x < 60; ++x) {
      uint8_t* p = &rgb[(y * 60 + x) * 3];
      p[0] = y < 40 ? 255 : 0;
      p[2] = y < 40 ? 0 : 255;
    }
  const auto plan = plan_thumbnail(60, 80, 1, thumbnail_box(104), true);
  std::vector<uint8_t> out(plan.bytes() + 3, 0xAB);
  draw_thumbnail(rgb.data(), 60, 80, plan, out.data());
  // The buffer's first row is the picture's bottom (blue), its last the top (red).
  EXPECT_EQ(out[0], 255);
  EXPECT_EQ(out[2], 0);
  const size_t last = (plan.rows - 1) * plan.columns * 3;
  EXPECT_EQ(out[last], 0);
  EXPECT_EQ(out[last + 2], 255);
  EXPECT_EQ(out[plan.bytes()], 0xAB) << "wrote past the thumbnail";
}

TEST(Jpeg, QualityCodes) {
  EXPECT_EQ(jpeg_quality(0), 50);
  EXPECT_EQ(jpeg_quality(1), 75);
  EXPECT_EQ(jpeg_quality(2), 90);
  EXPECT_FALSE(jpeg_quality(3));
  EXPECT_FALSE(jpeg_quality(-1));
}

TEST(Jpeg, EncodesAPictureThatDecodesToItsSize) {
  const auto data = native_picture(321, 203);
  std::vector<uint8_t> out(200000);
  const auto result = encode_jpeg(data.data() + native_header_size, 321, 203, 75, out.data(), out.size());
  ASSERT_EQ(result.outcome, JpegOutcome::done);
  const auto decoded = test::decode_jpeg(out.data(), result.size);
  ASSERT_TRUE(decoded);
  EXPECT_EQ(decoded->width, 321u);
  EXPECT_EQ(decoded->height, 203u);
}

TEST(Jpeg, TooSmallABufferIsFilledToItsEndOnlyAndTheWholeSizeIsKnown) {
  const auto data = native_picture(321, 203);
  std::vector<uint8_t> whole(200000);
  const auto full = encode_jpeg(data.data() + native_header_size, 321, 203, 75, whole.data(), whole.size());
  ASSERT_EQ(full.outcome, JpegOutcome::done);
  for (size_t capacity : {size_t(0), size_t(10), full.size / 2, full.size - 1}) {
    std::vector<uint8_t> out(capacity + 16, 0xCD);
    const auto result = encode_jpeg(data.data() + native_header_size, 321, 203, 75, out.data(), capacity);
    EXPECT_EQ(result.outcome, JpegOutcome::overflow) << capacity;
    EXPECT_EQ(result.size, full.size) << capacity;
    for (size_t i = capacity; i < out.size(); ++i) ASSERT_EQ(out[i], 0xCD) << "wrote past " << capacity;
  }
}

TEST(CardStateFile, KeepsValuesAndIgnoresDamage) {
  std::string pattern = (std::filesystem::temp_directory_path() / "tqsdk-state-XXXXXX").string();
  ASSERT_NE(mkdtemp(pattern.data()), nullptr);
  const std::filesystem::path dir = pattern;
  CardState state;
  state.setnumber("n", -5);
  const uint8_t block[] = {0, 0x7f, 0xff};
  state.setbytes("b", block, 3);
  ASSERT_TRUE(state.save(dir));
  std::ofstream(dir / card_state_name, std::ios::app) << "garbage line\n=x\nbroken=zz\n";
  const CardState back = CardState::load(dir);
  EXPECT_EQ(back.number("n", 0), -5);
  EXPECT_EQ(back.bytes("b", 3), std::vector<uint8_t>(block, block + 3));
  EXPECT_EQ(back.bytes("broken", 1, {9}), std::vector<uint8_t>{9});
  EXPECT_EQ(back.bytes("b", 4, {1}), (std::vector<uint8_t>{1, 0, 0, 0})) << "a block of another size is not it";
  EXPECT_EQ(back.number("missing", 42), 42);
  std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace tqsdk

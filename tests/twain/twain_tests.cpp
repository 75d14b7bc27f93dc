#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "platform/twain/bitmap_file.h"
#include "platform/twain/twain.h"

namespace fs = std::filesystem;

namespace {

std::vector<std::uint8_t> readBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

std::uint32_t word(const std::vector<std::uint8_t>& bytes, std::size_t at, int width = 4) {
  std::uint32_t value = 0;
  for (int i = width - 1; i >= 0; --i) value = value << 8 | bytes[at + std::size_t(i)];
  return value;
}

class Scanner : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("fotivo-twain-" + std::to_string(::getpid()) + "-" +
                                        ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    ::setenv("XDG_CONFIG_HOME", dir_.c_str(), 1);
  }
  void TearDown() override { fs::remove_all(dir_); }
  fs::path dir_;
};

TEST(BitmapFile, RowsAreBottomUpBgrPaddedToFourBytes) {
  const fs::path path = fs::temp_directory_path() / "fotivo-bitmap-test.bmp";
  // 2 x 2: top row red, green; bottom row blue, white.
  const std::vector<std::uint8_t> rgb = {255, 0, 0, 0, 255, 0, 0, 0, 255, 255, 255, 255};
  ASSERT_TRUE(fotivo::writeBitmap24(path.string(), 2, 2, rgb));
  const auto bytes = readBytes(path);
  fs::remove(path);
  ASSERT_EQ(bytes.size(), 54u + 2 * 8);
  EXPECT_EQ(word(bytes, 2), bytes.size());
  EXPECT_EQ(word(bytes, 18), 2u);
  EXPECT_EQ(word(bytes, 28, 2), 24u);
  const std::vector<std::uint8_t> pixels(bytes.begin() + 54, bytes.end());
  EXPECT_EQ(pixels, (std::vector<std::uint8_t>{255, 0, 0, 255, 255, 255, 0, 0,  // blue, white
                                               0, 0, 255, 0, 255, 0, 0, 0}));    // red, green
}

TEST(BitmapFile, RefusesAnUnwritablePath) {
  EXPECT_FALSE(fotivo::writeBitmap24("/nonexistent-dir/x.bmp", 1, 1, {1, 2, 3}));
}

TEST_F(Scanner, IsAvailableWithTheTestBackend) { EXPECT_EQ(TWAIN_IsAvailable(), 1); }

TEST_F(Scanner, AcquiresAColourBitmapFromTheFirstSource) {
  const fs::path scan = dir_ / "12091023.bmp";
  ASSERT_EQ(TWAIN_AcquireToFilename(scan.string()), 0);
  const auto bytes = readBytes(scan);
  ASSERT_GT(bytes.size(), 54u);
  EXPECT_EQ(bytes[0], 'B');
  EXPECT_EQ(word(bytes, 28, 2), 24u);
  const std::uint32_t width = word(bytes, 18), height = word(bytes, 22);
  // 20 x 10 mm at 50 dots per inch.
  EXPECT_NEAR(width, 39, 1);
  EXPECT_NEAR(height, 19, 1);
  EXPECT_EQ(bytes.size(), 54 + ((width * 3 + 3) & ~3u) * height);
  bool coloured = false;
  for (std::size_t i = 54; i + 2 < bytes.size() && !coloured; i += 3)
    coloured = bytes[i] != bytes[i + 1] || bytes[i + 1] != bytes[i + 2];
  EXPECT_TRUE(coloured) << "the colour pattern arrived grey";
}

TEST_F(Scanner, AFailedWriteAnswersNonzero) {
  EXPECT_NE(TWAIN_AcquireToFilename((dir_ / "missing" / "x.bmp").string()), 0);
}

TEST_F(Scanner, TheChosenSourceIsRememberedForTheNextRun) {
  std::vector<fotivo::ScanSource> offered;
  ASSERT_EQ(TWAIN_SelectImageSource([&](const auto& sources, int) {
              offered = sources;
              return 1;
            }),
            0);
  ASSERT_EQ(offered.size(), 2u);
  EXPECT_EQ(fotivo::chosenSource(), offered[1].name);
  const auto file = readBytes(dir_ / "fotivo" / "SCANNER.INI");
  EXPECT_EQ(std::string(file.begin(), file.end()), "\"" + offered[1].name + "\"\r\n");

  int current = -2;
  EXPECT_NE(TWAIN_SelectImageSource([&](const auto&, int now) {
              current = now;
              return -1;
            }),
            0);
  EXPECT_EQ(current, 1);
  EXPECT_EQ(fotivo::chosenSource(), offered[1].name) << "a cancelled choice keeps the former source";
  EXPECT_EQ(TWAIN_AcquireToFilename((dir_ / "second.bmp").string()), 0);
}

}  // namespace

// SANE's test backend loses a buffer of its own on some scans.
extern "C" const char* __lsan_default_suppressions() { return "leak:libsane-test.so\n"; }

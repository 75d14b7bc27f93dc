// A camera on a fresh card in a temporary directory, opened as the host opens it.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "sdk/native_format.h"
#include "tqsdk32.h"

namespace tqsdk::test {

namespace fs = std::filesystem;

struct Session {
  TQDriverRec driver{};
  uint8_t area[36] = {};
  TQCameraRec camera{};
  explicit Session(int32_t type, int32_t port = 1, int32_t bitrate = 576);
};

// Buffers with a guard zone behind the stated size, to catch a write past it.
struct Guarded {
  std::vector<uint8_t> bytes;
  size_t size;
  uint8_t fill;
  explicit Guarded(size_t n, uint8_t f = 0xA5) : bytes(n + 64, f), size(n), fill(f) {}
  uint8_t* data() { return bytes.data(); }
  bool guard_intact() const;
  TQMemBlock block() { return {bytes.data(), int32_t(size), 0, 0}; }
};

class CameraTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Opens driver and camera; fails the test when either answers an error.
  void open(Session& session);
  void close(Session& session);
  // Puts a generated native picture on the card (or in the camera's internal memory).
  void put_picture(uint32_t serial, uint32_t width, uint32_t height, uint16_t orientation = 0,
                   bool memory = false);
  int picture_count(Session& session);

  fs::path root, card;
};

}  // namespace tqsdk::test

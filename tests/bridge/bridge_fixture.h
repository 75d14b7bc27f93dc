// A camera session record as the host prepares it, and a clean recording for every test.
#pragma once

#include <gtest/gtest.h>

#include <cstring>

#include "tests/bridge/fake_sdk.h"
#include "tqsdk32.h"
#include "tqbridge.h"

namespace tqbridge::test {

class BridgeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    *fakeSdk() = FakeSdk{};
    std::memset(&camera, 0, sizeof camera);
    setType(104);
    camera.port = 1;
    camera.bitrate = 576;
  }
  void setType(int32_t type) {
    camera.driver.driverword = camera.driver.cameratype = type;
    camera.cameratype = camera.cameratype2 = type;
  }
  FakeSdk& fake() { return *fakeSdk(); }
  const FakeCall& last() { return fake().calls.back(); }

  TQILCameraRec camera;
};

// Bytes of a record, filled with a marker that tells untouched bytes apart.
template <typename Record>
Record marked(uint8_t marker = 0xEE) {
  Record record;
  std::memset(&record, marker, sizeof record);
  return record;
}

inline const uint8_t* raw(const void* record) { return static_cast<const uint8_t*>(record); }

}  // namespace tqbridge::test

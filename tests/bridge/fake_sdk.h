// The recording fake camera SDK: a libtqsdk32.so that keeps what every call received and
// answers with a scripted code, filling every output record with a known byte pattern.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct FakeCall {
  std::string function;
  std::vector<int64_t> values;       // the scalar arguments, as received
  std::vector<uint8_t> driver;       // the TQDriverRec's bytes
  std::vector<uint8_t> general;      // bytes of the general record passed
  std::vector<uint8_t> specific;     // bytes of the type record, when one was passed
  bool specificPassed = false;
  std::vector<uintptr_t> addresses;  // buffer and record addresses seen
  std::vector<int32_t> sizes;        // buffer sizes seen
};

struct FakeSdk {
  std::vector<FakeCall> calls;
  int16_t code = 0;            // what every function answers
  int32_t driverValue = 0;     // written to the driver's first value on each call
  int32_t cameraType = -1;     // when not -1, written to the driver's camera type
  int32_t jpegSize = 0;        // written to the size word of the JPEG functions
};

// The fake's state, shared with the tests that load it.
extern "C" __attribute__((visibility("default"))) FakeSdk* fakeSdk();

// The byte every output record gets at offset i.
inline uint8_t fakePattern(std::size_t i) { return uint8_t(0x40 + i); }

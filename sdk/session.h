// The driver and camera session. The SDK keeps no state of its own: the driver record's
// values say whether the driver is open, and the caller's 36-byte area holds the open
// camera's connection.
#pragma once

#include <cstdint>

#include "sdk/camera.h"

namespace tqsdk {

inline constexpr size_t session_area_size = 36;

// The driver record's three values: open (1), the SDK version, and 0.
inline constexpr int32_t sdk_version = 256;
int16_t open_driver(int32_t type, int32_t* values);
int16_t close_driver(int32_t* values);

// What a camera record carries.
struct SessionRecords {
  int32_t drivertype;
  int32_t driveropen;  // the driver record's first value
  int32_t port, type, bitrate;
  uint8_t* area;
};

// Connects: the port must be the camera's ($TQSDK_PORT, 1 to 4, default 1) or 0, the
// bit rate one the camera speaks, and the card must be there.
int16_t open_camera(const SessionRecords& records, Camera& camera);
int16_t close_camera(const SessionRecords& records);
// An open camera, ready for an operation.
int16_t resume(const SessionRecords& records, Camera& camera);
// Enough for work on pictures in the caller's memory: an open driver of a known type.
int16_t driver_session(const SessionRecords& records, Camera& camera);

int32_t camera_port();

}  // namespace tqsdk

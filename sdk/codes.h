// The SDK's result codes.
#pragma once

#include <cstdint>

namespace tqsdk {

enum Code : int16_t {
  NoErr = 0,
  BadArgError = -1000,
  BadCloseError = -1001,
  CameraNotConnected = -1002,
  CameraFunctionNotSupported = -1003,
  CardNotFound = -1005,
  CommunicationError = -1006,
  ImageProcessError = -1009,
  MallocError = -1011,
  NotOpenError = -1013,
  ReOpenError = -1016,
  SystemError = -1020,
  MemoryFullError = -1022,
  CannotHandleCameraType = -1023,
};

}  // namespace tqsdk

// CAMERA.INI in the home directory: one record of six integers.
#pragma once

#include <cstdint>
#include <string>

#include "model.h"

namespace fotivo {

inline constexpr const char* cameraininame = "/CAMERA.INI";

struct CameraSettings {
  std::int32_t port = 0;         // 0 automatic, 1 to 4
  std::int32_t cameratype = 0;   // 1, 100, 101, 104
  std::int32_t cameratype2 = 0;  // second copy of the camera type
  std::int32_t bitrate = 0;      // in units of 100 bit/s, 0 automatic
  int imgformat = 0;             // 0 JPEG, 1 native
  int jpegquality = 0;           // 0, 1, 2
};

struct CameraSettingsFile {
  bool exists = false;  // the file was there (even when damaged)
  CameraSettings settings;  // values the file lacks or spoils stay 0
  Problems problems;
};

CameraSettingsFile loadcamerasettings(const std::string& homedir);
Problems savecamerasettings(const std::string& homedir, const CameraSettings& settings);

}  // namespace fotivo

#include "sdk/session.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "sdk/bytes.h"
#include "sdk/card.h"
#include "sdk/codes.h"

namespace tqsdk {
namespace {

// The area: magic, open (1), port in use, bit rate in use, camera type; the rest zero.
constexpr uint8_t area_magic[4] = {'T', 'Q', 'S', 'A'};

// Bit rates in units of 100 bit/s; 0 lets the camera choose its fastest.
constexpr int32_t bitrates[] = {96, 192, 384, 576, 1152, 2304};
constexpr int32_t fastest = 2304;

bool area_open(const uint8_t* area) {
  return std::memcmp(area, area_magic, 4) == 0 && get32(area + 4) == 1;
}

}  // namespace

int32_t camera_port() {
  const char* text = std::getenv("TQSDK_PORT");
  if (text == nullptr || text[0] < '1' || text[0] > '4' || text[1] != '\0') return 1;
  return text[0] - '0';
}

int16_t open_driver(int32_t type, int32_t* values) {
  if (values == nullptr) return BadArgError;
  if (!known_type(type)) return CannotHandleCameraType;
  if (values[0] == 1) return ReOpenError;
  values[0] = 1;
  values[1] = sdk_version;
  values[2] = 0;
  return NoErr;
}

int16_t close_driver(int32_t* values) {
  if (values == nullptr) return BadArgError;
  if (values[0] != 1) return BadCloseError;
  values[0] = values[1] = values[2] = 0;
  return NoErr;
}

int16_t open_camera(const SessionRecords& records, Camera& camera) {
  if (records.area == nullptr) return BadArgError;
  if (records.driveropen != 1) return NotOpenError;
  if (area_open(records.area)) return ReOpenError;
  if (!known_type(records.type)) return CannotHandleCameraType;
  if (records.type != records.drivertype || records.port < 0 || records.port > 4) return BadArgError;
  if (records.port != 0 && records.port != camera_port()) return CameraNotConnected;
  const int32_t bitrate = records.bitrate == 0 ? fastest : records.bitrate;
  if (std::find(std::begin(bitrates), std::end(bitrates), bitrate) == std::end(bitrates)) return CommunicationError;
  const auto card = mount_card();
  if (!card) return CardNotFound;

  camera = {*card, records.type, camera_port(), bitrate};
  std::memset(records.area, 0, session_area_size);
  std::memcpy(records.area, area_magic, 4);
  put32(records.area + 4, 1);
  put32(records.area + 8, uint32_t(camera.port));
  put32(records.area + 12, uint32_t(camera.bitrate));
  put32(records.area + 16, uint32_t(camera.type));
  return NoErr;
}

int16_t close_camera(const SessionRecords& records) {
  if (records.area == nullptr) return BadArgError;
  if (!area_open(records.area)) return BadCloseError;
  std::memset(records.area, 0, session_area_size);
  return NoErr;
}

int16_t resume(const SessionRecords& records, Camera& camera) {
  if (records.area == nullptr) return BadArgError;
  if (records.driveropen != 1 || !area_open(records.area)) return NotOpenError;
  if (int32_t(get32(records.area + 16)) != records.drivertype) return BadArgError;
  const auto card = mount_card();
  if (!card) return CardNotFound;
  camera = {*card, records.drivertype, int32_t(get32(records.area + 8)), int32_t(get32(records.area + 12))};
  return NoErr;
}

int16_t driver_session(const SessionRecords& records, Camera& camera) {
  if (records.driveropen != 1) return NotOpenError;
  if (!known_type(records.drivertype)) return CannotHandleCameraType;
  camera = {};
  camera.type = records.drivertype;
  return NoErr;
}

}  // namespace tqsdk

#include "sdk/record_access.h"

namespace tqsdk {

SessionRecords session_records(const TQCameraRec& camera) {
  return {camera.driver->cameratype, camera.driver->value1, camera.port, camera.cameratype, camera.bitrate,
          camera.area};
}

void driver_values_in(const TQDriverRec& driver, int32_t* values) {
  values[0] = driver.value1;
  values[1] = driver.value2;
  values[2] = driver.value3;
}

void driver_values_out(const int32_t* values, TQDriverRec& driver) {
  driver.value1 = values[0];
  driver.value2 = values[1];
  driver.value3 = values[2];
}

void config_values_in(const TQConfigRec& config, int16_t* values) {
  for (int i = 0; i < 9; ++i) values[i] = config.values[i];
}

void config_values_out(const int16_t* values, TQConfigRec& config) {
  for (int i = 0; i < 9; ++i) config.values[i] = values[i];
}

PictInfo pictinfo_in(const TQPictInfoRec& record) {
  PictInfo info;
  info.number = record.number;
  info.thumbnail = static_cast<uint8_t*>(record.thumbnail);
  return info;
}

void pictinfo_out(const PictInfo& info, TQPictInfoRec& record) {
  record.number = info.number;
  record.thumbwidth = int16_t(info.thumbwidth);
  record.thumbheight = int16_t(info.thumbheight);
  record.word1 = info.width;
  record.word2 = info.height;
  record.picturesize = info.size;
  record.workingsize = info.working;
  record.word5 = info.serial;
  record.seconds = int16_t(info.taken.seconds);
  record.minutes = int16_t(info.taken.minutes);
  record.hours = int16_t(info.taken.hours);
  record.day = int16_t(info.taken.day);
  record.month = int16_t(info.taken.month);
  record.year = int16_t(info.taken.year);
  record.value1 = info.album;
  record.value2 = info.orientation;
  record.value3 = info.cameratype;
}

std::optional<Buffer> buffer_of(const TQMemBlock* block) {
  if (block == nullptr || block->address == nullptr || block->size < 0 || block->zero1 != 0 || block->zero2 != 0)
    return std::nullopt;
  return Buffer{static_cast<uint8_t*>(block->address), uint64_t(block->size)};
}

bool extra_valid(const TQTransferExtra* extra) {
  return extra != nullptr && extra->zero1 == 0 && extra->zero2 == 0;
}

}  // namespace tqsdk

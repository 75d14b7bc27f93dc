#include "sdk/settings.h"

#include <algorithm>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

#include "sdk/albums.h"
#include "sdk/bytes.h"
#include "sdk/card.h"
#include "sdk/codes.h"
#include "sdk/preview.h"

namespace tqsdk {
namespace {

constexpr uint32_t firmware_version = 0x0102;
constexpr uint16_t battery_level = 100;

// The nine configuration values: their ranges and factory settings.
struct ConfigRange {
  int16_t least, most, factory;
};
constexpr ConfigRange config_ranges[config_values] = {
    {0, 2, 2},   // picture size: 640x480, 1024x768, 1600x1200
    {0, 2, 0},   // flash: automatic, on, off
    {0, 60, 5},  // minutes until the camera turns itself off, 0 never
    {0, 1, 1},   // beep
    {0, 2, 0},   // date order: month-day-year, day-month-year, year-month-day
    {0, 30, 0},  // self-timer seconds
    {0, 7, 4},   // display brightness
    {0, 7, 0},   // menu language
    {0, 1, 0},   // video out: NTSC, PAL
};
constexpr char factory_owner[] = "TQ CAMERA";

std::string config_key(int32_t type) { return "config." + std::to_string(type); }

// Image processing: automatic white balance on, gamma 2.2, everything else neutral.
std::vector<uint8_t> factory_image_processing() {
  std::vector<uint8_t> record(image_processing_size, 0);
  put32(&record[0], 1);
  put32(&record[4], 220);
  return record;
}

// Output window: the whole of the largest picture, delivered at its own size.
std::vector<uint8_t> factory_output_window() {
  std::vector<uint8_t> record(output_window_size, 0);
  put16(&record[4], uint16_t(resolutions[2].width));
  put16(&record[6], uint16_t(resolutions[2].height));
  put32(&record[8], resolutions[2].width);
  put32(&record[12], resolutions[2].height);
  return record;
}

void put_model(uint8_t* block, int32_t type) {
  std::memset(block, 0, 12);
  const std::string model = type == 100 ? "TQ-A" : type == 101 ? "TQ-B" : "TQ-C";
  std::memcpy(block, model.data(), model.size());
}

// A record kept whole on the card.
int16_t read_block(const Camera& camera, const char* key, const std::vector<uint8_t>& factory, uint8_t* record) {
  const auto stored = CardState::load(camera.card).bytes(key, factory.size(), factory);
  std::memcpy(record, stored.data(), stored.size());
  return NoErr;
}

int16_t write_block(const Camera& camera, const char* key, const uint8_t* record, size_t size) {
  CardState state = CardState::load(camera.card);
  state.setbytes(key, record, size);
  return state.save(camera.card) ? NoErr : SystemError;
}

}  // namespace

size_t status_specific_size(int32_t type) {
  return type == 100 ? 12 : type == 101 ? 60 : type == 104 ? 58 : 0;
}

size_t config_specific_size(int32_t type) {
  return type == 100 ? 66 : type == 101 ? 44 : type == 104 ? 52 : 0;
}

ConfigValues config_values_of(const CardState& state) {
  ConfigValues config{};
  const auto stored = state.bytes("config.values", 2 * config_values);
  const bool kept = state.has("config.values");
  for (int i = 0; i < config_values; ++i) {
    const auto value = int16_t(get16(&stored[2 * i]));
    const ConfigRange& range = config_ranges[i];
    config.values[i] = kept && value >= range.least && value <= range.most ? value : range.factory;
  }
  return config;
}

Resolution shot_resolution(const CardState& state) { return resolutions[config_values_of(state).values[0]]; }

int16_t read_status(const Camera& camera, uint8_t* status, uint8_t* specific) {
  if (status == nullptr) return BadArgError;
  const CardState state = CardState::load(camera.card);
  const ConfigValues config = config_values_of(state);
  const Resolution shot = shot_resolution(state);
  const uint64_t used = used_bytes(camera.card, Store::card);
  const auto free = uint32_t(card_capacity - std::min(used, card_capacity));
  const auto remaining = uint32_t(free / native_size(shot.width, shot.height));
  const auto onmemory = uint16_t(list_pictures(camera.card, Store::memory).size());

  const Stamp now = stamp_now();
  const uint16_t clock[] = {now.seconds, now.minutes, now.hours, now.day, now.month, now.year,
                            battery_level, 1, uint16_t(config.values[0])};
  for (int i = 0; i < 9; ++i) put16(status + 2 * i, clock[i]);
  put32(status + 20, free);
  put16(status + 24, uint16_t(list_pictures(camera.card, Store::card).size()));
  const uint16_t more[] = {onmemory,
                           uint16_t(albums_available(state)),
                           uint16_t(album_active(state)),
                           uint16_t(config.values[1]),
                           uint16_t(camera.port),
                           uint16_t(camera.bitrate),
                           uint16_t(preview_held(state))};
  for (int i = 0; i < 7; ++i) put16(status + 26 + 2 * i, more[i]);
  put32(status + 40, uint32_t(card_capacity));
  put32(status + 44, firmware_version);

  if (specific == nullptr) return NoErr;
  switch (camera.type) {
    case 100:
      put32(specific, firmware_version);
      put32(specific + 4, remaining);
      put16(specific + 8, battery_level);
      put16(specific + 10, uint16_t(config.values[1]));
      break;
    case 101:
    case 104: {
      // Shared head, then the configuration values, then the model's name.
      put32(specific, firmware_version);
      put32(specific + 4, remaining);
      put32(specific + 8, onmemory);
      const bool b = camera.type == 101;
      const size_t values = b ? 12 : 20, count = b ? 18 : 13, model = b ? 48 : 46;
      if (!b) {
        put32(specific + 12, uint32_t(albums_available(state)));
        put32(specific + 16, uint32_t(album_active(state)));
      }
      std::vector<uint16_t> fields(config.values, config.values + config_values);
      fields.push_back(battery_level);
      if (b) {
        fields.push_back(uint16_t(albums_available(state)));
        fields.push_back(uint16_t(album_active(state)));
        fields.push_back(uint16_t(preview_frames(state)));
        fields.push_back(uint16_t(preview_held(state)));
      }
      fields.resize(count, 0);
      for (size_t i = 0; i < count; ++i) put16(specific + values + 2 * i, fields[i]);
      put_model(specific + model, camera.type);
      break;
    }
    default:
      break;
  }
  return NoErr;
}

int16_t read_config(const Camera& camera, int16_t* values, uint8_t* text, uint8_t* specific) {
  if (values == nullptr || text == nullptr) return BadArgError;
  const CardState state = CardState::load(camera.card);
  const ConfigValues config = config_values_of(state);
  std::copy(config.values, config.values + config_values, values);
  const std::vector<uint8_t> factory(factory_owner, factory_owner + sizeof factory_owner);
  const auto owner = state.bytes("config.text", config_text_size, factory);
  std::memcpy(text, owner.data(), config_text_size);
  if (const size_t size = config_specific_size(camera.type); specific != nullptr && size != 0) {
    const auto record = state.bytes(config_key(camera.type), size);
    std::memcpy(specific, record.data(), size);
  }
  return NoErr;
}

int16_t write_config(const Camera& camera, const int16_t* values, const uint8_t* text, const uint8_t* specific) {
  if (values == nullptr || text == nullptr) return BadArgError;
  for (int i = 0; i < config_values; ++i)
    if (values[i] < config_ranges[i].least || values[i] > config_ranges[i].most) return BadArgError;
  // The owner's name must end within its area.
  if (std::find(text, text + config_text_size, 0) == text + config_text_size) return BadArgError;

  CardState state = CardState::load(camera.card);
  uint8_t packed[2 * config_values];
  for (int i = 0; i < config_values; ++i) put16(packed + 2 * i, uint16_t(values[i]));
  state.setbytes("config.values", packed, sizeof packed);
  uint8_t owner[config_text_size] = {};
  std::memcpy(owner, text, std::strlen(reinterpret_cast<const char*>(text)));
  state.setbytes("config.text", owner, sizeof owner);
  if (const size_t size = config_specific_size(camera.type); specific != nullptr && size != 0)
    state.setbytes(config_key(camera.type), specific, size);
  return state.save(camera.card) ? NoErr : SystemError;
}

int16_t read_image_processing(const Camera& camera, uint8_t* record) {
  if (record == nullptr) return BadArgError;
  return read_block(camera, "imageproc", factory_image_processing(), record);
}

int16_t write_image_processing(const Camera& camera, const uint8_t* record) {
  if (record == nullptr) return BadArgError;
  // The two switches (white balance at 0, sharpening at 12) are 0 or 1.
  if (get32(record) > 1 || get32(record + 12) > 1) return BadArgError;
  return write_block(camera, "imageproc", record, image_processing_size);
}

int16_t read_output_window(const Camera& camera, uint8_t* record) {
  if (record == nullptr) return BadArgError;
  return read_block(camera, "outputwindow", factory_output_window(), record);
}

int16_t write_output_window(const Camera& camera, const uint8_t* record) {
  if (record == nullptr) return BadArgError;
  // Left, top, width and height, then the delivered width and height: a window that
  // lies within the largest picture and is delivered at a size of its own.
  const auto left = int16_t(get16(record)), top = int16_t(get16(record + 2));
  const auto width = int16_t(get16(record + 4)), height = int16_t(get16(record + 6));
  const auto outwidth = int32_t(get32(record + 8)), outheight = int32_t(get32(record + 12));
  const Resolution largest = resolutions[2];
  if (left < 0 || top < 0 || width < 1 || height < 1 || uint32_t(left + width) > largest.width ||
      uint32_t(top + height) > largest.height || outwidth < 1 || outheight < 1 ||
      uint32_t(outwidth) > native_max_side || uint32_t(outheight) > native_max_side)
    return BadArgError;
  return write_block(camera, "outputwindow", record, output_window_size);
}

int16_t reset_settings(const Camera& camera) {
  CardState state = CardState::load(camera.card);
  for (const char* key : {"config.values", "config.text", "imageproc", "outputwindow"}) state.erase(key);
  for (int32_t type : {100, 101, 104}) state.erase(config_key(type));
  clear_preview(state);
  return state.save(camera.card) ? NoErr : SystemError;
}

}  // namespace tqsdk

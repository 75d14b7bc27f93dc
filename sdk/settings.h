// Status, configuration, image processing and output window, kept per card.
#pragma once

#include <cstdint>

#include "sdk/camera.h"
#include "sdk/card_state.h"

namespace tqsdk {

inline constexpr int config_values = 9;
inline constexpr size_t config_text_size = 32;  // the owner's name, zero-terminated
inline constexpr size_t status_size = 48, image_processing_size = 112, output_window_size = 16;

// Size of the type's SDK record, 0 for a type without one.
size_t status_specific_size(int32_t type);
size_t config_specific_size(int32_t type);

struct ConfigValues {
  int16_t values[config_values];
};
ConfigValues config_values_of(const CardState& state);
// The first value: the picture size of new shots.
Resolution shot_resolution(const CardState& state);

int16_t read_status(const Camera& camera, uint8_t* status, uint8_t* specific);

int16_t read_config(const Camera& camera, int16_t* values, uint8_t* text, uint8_t* specific);
int16_t write_config(const Camera& camera, const int16_t* values, const uint8_t* text, const uint8_t* specific);

int16_t read_image_processing(const Camera& camera, uint8_t* record);
int16_t write_image_processing(const Camera& camera, const uint8_t* record);
int16_t read_output_window(const Camera& camera, uint8_t* record);
int16_t write_output_window(const Camera& camera, const uint8_t* record);

// Back to the settings the camera left the factory with; pictures and albums stay.
int16_t reset_settings(const Camera& camera);

}  // namespace tqsdk

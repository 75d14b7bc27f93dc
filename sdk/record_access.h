// Between the SDK's records and the camera's workings.
#pragma once

#include <optional>

#include "tqsdk32.h"
#include "sdk/pictures.h"
#include "sdk/session.h"

namespace tqsdk {

// The camera record's words; the driver record must be there.
SessionRecords session_records(const TQCameraRec& camera);

// The driver record's three values, in and out.
void driver_values_in(const TQDriverRec& driver, int32_t* values);
void driver_values_out(const int32_t* values, TQDriverRec& driver);

// The configuration's nine values and its text area.
void config_values_in(const TQConfigRec& config, int16_t* values);
void config_values_out(const int16_t* values, TQConfigRec& config);
inline uint8_t* config_text(const TQConfigRec& config) { return static_cast<uint8_t*>(config.text); }

// The caller's picture description: its number and thumbnail address count on the way in.
PictInfo pictinfo_in(const TQPictInfoRec& record);
void pictinfo_out(const PictInfo& info, TQPictInfoRec& record);

// A buffer as a memory block describes it; nothing for a missing block or address, a
// negative size or spare words that are not zero.
std::optional<Buffer> buffer_of(const TQMemBlock* block);
// The transfers' extra record: there, and both words zero.
bool extra_valid(const TQTransferExtra* extra);

}  // namespace tqsdk

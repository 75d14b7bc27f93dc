// Names of the camera result codes, and the message the camera window shows for a failed step.
#pragma once

#include <cstdint>
#include <string>

namespace fotivo {

std::string camerrname(const std::int16_t& code);

// The steps whose failure the camera window names; the word is the start of the message.
inline constexpr const char* openDriverWord = "open driver ";
inline constexpr const char* openCameraWord = "Open camera ";
inline constexpr const char* getStatusWord = "Get Status ";
inline constexpr const char* getPictureWord = "Get picture ";

// The message text: the step's word followed by the code's name.
inline std::string cameramessage(const char* word, std::int16_t code) { return word + camerrname(code); }

}  // namespace fotivo

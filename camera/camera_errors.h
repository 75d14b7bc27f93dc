// Names of the camera's 16-bit result codes, and the messages built from them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace fotivo {

// The name of a result code; "Unknown Error Code." for a code the table lacks.
std::string camerrname(const std::int16_t& code);

// The prompt of a camera error message: the operation word ("open driver ", "Open camera ",
// "Get Status ", "Get picture ", ...) followed by the code's name. Shown under "Info".
std::string camerrmessage(std::string_view operation, std::int16_t code);
inline constexpr const char* camerrtitle = "Info";

}  // namespace fotivo
